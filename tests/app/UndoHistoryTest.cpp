#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

#include "app/UndoHistory.h"

using namespace tsw;

namespace {

// A state told apart by its first byte.
EditState state(int value) {
    EditState s;
    s.image.setByte(0, static_cast<std::uint8_t>(value));
    return s;
}

int valueOf(const EditState& s) {
    return s.image.byte(0);
}

DocumentInfo document(const std::string& name, int savedValue) {
    return {name, "/data/" + name, "/data/", state(savedValue).image};
}

// Runs a script of operations separated by blanks:
//   eN         the user changed the configuration to state N
//   u  r       undo, redo (each must succeed)
//   s          save: the document's saved copy becomes the current image
//   nN:name    a command replaced the file: state N in document `name`, saved as it is
//   c          clear
void run(UndoHistory& h, const std::string& script) {
    std::istringstream ops(script);
    std::string op;
    while (ops >> op) {
        switch (op[0]) {
        case 'e':
            h.record(state(std::stoi(op.substr(1))), {});
            break;
        case 'u':
            ASSERT_TRUE(h.undo()) << op;
            break;
        case 'r':
            ASSERT_TRUE(h.redo()) << op;
            break;
        case 's': {
            DocumentInfo d = h.document();
            d.savedCopy = h.current().image;
            h.updateDocument(d);
            break;
        }
        case 'n': {
            const auto colon = op.find(':');
            const int value = std::stoi(op.substr(1, colon - 1));
            h.recordNewDocument(state(value), {}, document(op.substr(colon + 1), value));
            break;
        }
        case 'c':
            h.clear();
            break;
        default:
            FAIL() << "unknown operation " << op;
        }
    }
}

struct Case {
    const char* name;
    std::size_t limit;
    const char* script;
    int value;        // the current state
    std::size_t undo; // steps that can be undone
    std::size_t redo; // steps that can be redone
    bool modified;
    const char* file; // the current state's document
};

// Every history starts with state 0 in "a.dat", saved.
const Case kCases[] = {
    {"a change is a step", 1000, "e1", 1, 1, 0, true, "a.dat"},
    {"the same state again is no step", 1000, "e1 e1 e1", 1, 1, 0, true, "a.dat"},
    {"undo and redo walk the line", 1000, "e1 e2 e3 u u", 1, 1, 2, true, "a.dat"},
    {"undo back to the start is unmodified", 1000, "e1 e2 u u", 0, 0, 2, false, "a.dat"},
    {"redo to the end", 1000, "e1 e2 u u r r", 2, 2, 0, true, "a.dat"},
    {"a new change drops what could be redone", 1000, "e1 e2 e3 u u e7", 7, 2, 0, true, "a.dat"},
    {"a change back to an earlier state is a step", 1000, "e1 e0", 0, 2, 0, false, "a.dat"},
    {"the oldest step goes at the limit", 3, "e1 e2 e3 e4 e5", 5, 3, 0, true, "a.dat"},
    {"the limit counts steps, not states", 3, "e1 e2 e3 u u u", 0, 0, 3, false, "a.dat"},
    {"undoing back to the saved state leaves nothing unsaved", 1000, "e1 e2 s e3 u", 2, 2, 1, false,
     "a.dat"},
    {"a save is known to every state of its document", 1000, "e1 e2 s u u", 0, 0, 2, true, "a.dat"},
    {"a replaced file is a step of its own", 1000, "e1 n5:b.dat", 5, 2, 0, false, "b.dat"},
    {"undoing it brings the earlier file back", 1000, "e1 n5:b.dat u", 1, 1, 1, true, "a.dat"},
    {"redoing it brings the new file back", 1000, "e1 n5:b.dat u r", 5, 2, 0, false, "b.dat"},
    {"a file with the same image is still a step", 1000, "n0:b.dat u", 0, 0, 1, false, "a.dat"},
    {"a save in the new file does not reach the old", 1000, "e1 n5:b.dat e6 s u u", 1, 1, 2, true,
     "a.dat"},
    {"clear keeps the state and its file", 1000, "e1 n5:b.dat e6 u c", 5, 0, 0, false, "b.dat"},
    {"clear, then a change", 1000, "e1 e2 c e3 u", 2, 0, 1, true, "a.dat"},
    {"a limit of one keeps one step", 1, "e1 e2 e3 u", 2, 0, 1, true, "a.dat"},
};

class UndoHistoryCases : public ::testing::TestWithParam<Case> {};

TEST_P(UndoHistoryCases, EndsWhereTheScriptLeadsTo) {
    const Case& c = GetParam();
    UndoHistory h(state(0), document("a.dat", 0), c.limit);
    run(h, c.script);
    EXPECT_EQ(valueOf(h.current()), c.value);
    EXPECT_EQ(h.undoCount(), c.undo);
    EXPECT_EQ(h.redoCount(), c.redo);
    EXPECT_EQ(h.canUndo(), c.undo > 0);
    EXPECT_EQ(h.canRedo(), c.redo > 0);
    EXPECT_EQ(h.isModified(), c.modified);
    EXPECT_EQ(h.document().fileName, c.file);
}

INSTANTIATE_TEST_SUITE_P(Scripts, UndoHistoryCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST(UndoHistory, StepsKeepTheirLabelsAndBothStates) {
    UndoHistory h(state(0), document("a.dat", 0));
    h.record(state(1), {StrId::StepInsertChannel});
    h.record(state(2), {0, 0x200, 2});
    {
        const auto step = h.nextUndo();
        ASSERT_TRUE(step);
        EXPECT_EQ(step->label, (StepLabel{0, 0x200, 2}));
        EXPECT_EQ(valueOf(step->before), 1);
        EXPECT_EQ(valueOf(step->after), 2);
        EXPECT_FALSE(h.nextRedo());
    }
    h.undo();
    {
        const auto step = h.nextUndo();
        ASSERT_TRUE(step);
        EXPECT_EQ(step->label.text, StrId::StepInsertChannel);
        const auto redo = h.nextRedo();
        ASSERT_TRUE(redo);
        EXPECT_EQ(valueOf(redo->after), 2);
    }
    h.undo();
    EXPECT_FALSE(h.nextUndo());
    EXPECT_FALSE(h.undo()); // nothing more: the state stays
    EXPECT_EQ(valueOf(h.current()), 0);
}

TEST(UndoHistory, AThousandStepsByDefault) {
    UndoHistory h(state(0), document("a.dat", 0));
    for (int i = 1; i <= 1200; ++i) {
        EditState s;
        s.image.setWord(0, static_cast<std::uint16_t>(i));
        h.record(s, {});
    }
    EXPECT_EQ(h.undoCount(), UndoHistory::kDefaultLimit);
    while (h.undo()) {
    }
    EXPECT_EQ(h.current().image.word(0), 200); // the state 1000 steps back
}

TEST(UndoHistory, TheIdentityIsPartOfTheState) {
    UndoHistory h(state(0), document("a.dat", 0));
    EditState other = state(0);
    other.identity[5] = 0x93;
    EXPECT_TRUE(h.record(other, {}));
    EXPECT_FALSE(h.isModified()); // the image is as saved
    h.undo();
    EXPECT_EQ(h.current().identity[5], 0);
}

} // namespace
