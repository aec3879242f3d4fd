#pragma once
// Global booleans that several parts of the program set and test: which transfer, test or
// file operation is under way. They live together in AppGlobals.

namespace tsw {

struct SharedFlags {
    // Model Information: set for model entries 0..2, cleared for 3..5 and by a model change.
    bool modelGroup = false;
    // Connection and transfers.
    bool readingFromRadio = false;
    bool writingToRadio = false;
    bool portOpenFailed = false;
    bool fileActivity = false; // set by Open, Save, Save As and the Test Mode command
    bool readRequested = false;
    bool writeRequested = false;
    bool transferRunning = false;
    bool dataReady = false;
    bool replyTimedOut = false;
    bool ackMissing = false;
    bool acceptNak = false;
    bool retrying = false;
    // Test mode and tuning.
    bool testModeRequested = false;
    bool tuningModeActive = false;
    bool testChannelsDiffer = false;
    bool pttOn = false;
    bool wideSelected = false;
    bool linkLost = false;
    bool testFrequencyInUse = false; // the test mode works with the test frequency table
    // Memory map.
    bool memoryMapApplied = false; // the memory map's OK rewrote the image
    // Main frame.
    bool closeWithoutAsking = false; // set while print preview runs
    bool treeWindowOpen = false;
};

} // namespace tsw
