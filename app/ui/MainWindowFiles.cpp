// The main window's ways to a data file besides File > Open: the recent files of the File menu
// and .dat files dropped on the window.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

#include "app/CommandIds.h"
#include "app/TextTemplate.h"
#include "app/ui/MainWindow.h"
#include "app/ui/RecentFilesMenu.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {

constexpr char kDataFileSuffix[] = "dat";

// The first local .dat file among the dragged URLs, or empty.
QString droppedDataFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo info(url.toLocalFile());
        if (info.suffix().compare(QLatin1String(kDataFileSuffix), Qt::CaseInsensitive) == 0 &&
            info.isFile())
            return info.absoluteFilePath();
    }
    return {};
}

} // namespace

void MainWindow::createRecentFiles() {
    recent_ = new RecentFilesMenu(settings_, menu(MenuId::File), action(cmd::FileExit), this);
    connect(recent_, &RecentFilesMenu::openRequested, this, &MainWindow::openFileFromOutside);
    files_.setFileUsedHandler([this](const QString& path) { recent_->add(path); });
    setAcceptDrops(true);
}

void MainWindow::openFileFromOutside(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        prompt_->ask(
            composedErrorPrompt(fillTemplate(tsw::tr(StrId::RecentFileMissing), {toStd(path)}),
                                StrId::RecentFileMissing));
        recent_->remove(path);
        return;
    }
    runAsCommand(cmd::FileOpen, [this, path] { files_.openPath(path); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedDataFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (!droppedDataFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// The file opens once the drop is over, so that the program where the drag began is not held
// up by the save question.
void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedDataFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, path] { openFileFromOutside(path); });
}

} // namespace tsw::ui
