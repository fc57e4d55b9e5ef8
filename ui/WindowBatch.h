#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

#include "engine/AudioFormat.h"
#include "engine/BatchDriver.h"

class QWidget;

namespace tonvexa {

struct AppSettings;
class BatchRunner;
class ConversionTable;
class ConvertProgressDialog;
class DesktopServices;
struct FileEntry;
class SortableListCtrl;
class WaitCursor;

// A conversion batch run from the window: the jobs run on worker threads (BatchRunner) while
// the window's thread shows the progress dialog and writes each row's status as its job
// starts and ends. The window's controls are locked until the batch has ended; then, if the
// option asks for it, the file manager shows the first output in list order.
class WindowBatch : public QObject {
    Q_OBJECT

public:
    struct Parts {
        QWidget* window;
        SortableListCtrl& list;
        DesktopServices& desktop;
        const ConversionTable& table;
        const AppSettings& settings;
        std::function<void(bool enabled)> lock;
    };

    explicit WindowBatch(Parts parts, QObject* parent = nullptr);
    ~WindowBatch() override;

    // Converts the rows, in list order, to the target; returns at once.
    void start(const std::vector<int>& rows, AudioFormatCode target);
    bool running() const;
    // The batch's progress dialog while it runs.
    ConvertProgressDialog* dialog() const { return dialog_.get(); }

Q_SIGNALS:
    void finished();

private:
    void jobStarted(int index);
    void jobFinished(int index, const JobOutcome& outcome);
    void batchFinished();

    Parts p_;
    std::unique_ptr<BatchRunner> runner_;
    std::unique_ptr<ConvertProgressDialog> dialog_;
    std::unique_ptr<WaitCursor> wait_;
    std::vector<int> rows_;
    std::vector<FileEntry*> entries_;
};

}  // namespace tonvexa
