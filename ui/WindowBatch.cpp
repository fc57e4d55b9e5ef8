#include "WindowBatch.h"

#include "engine/BatchRunner.h"
#include "engine/DesktopServices.h"
#include "engine/OutputPlaces.h"
#include "base/PathUtil.h"
#include "settings/AppSettings.h"
#include "texts/Texts.h"
#include "ui/ConvertProgressDialog.h"
#include "ui/FileListModel.h"
#include "ui/SortableListCtrl.h"
#include "ui/WaitCursor.h"

namespace tonvexa {

WindowBatch::WindowBatch(Parts parts, QObject* parent)
    : QObject(parent), p_(std::move(parts)), runner_(std::make_unique<BatchRunner>(p_.table)) {
    connect(runner_.get(), &BatchRunner::jobStarted, this, &WindowBatch::jobStarted);
    connect(runner_.get(), &BatchRunner::jobProgress, this, [this](int index, int percent, int position) {
        if (dialog_) dialog_->jobProgress(index, percent, position);
    });
    connect(runner_.get(), &BatchRunner::jobFinished, this, &WindowBatch::jobFinished);
    connect(runner_.get(), &BatchRunner::finished, this, &WindowBatch::batchFinished);
}

WindowBatch::~WindowBatch() = default;

bool WindowBatch::running() const {
    return runner_->running() || dialog_ != nullptr;
}

void WindowBatch::start(const std::vector<int>& rows, AudioFormatCode target) {
    if (running()) return;
    FileListModel& model = *p_.list.fileModel();
    rows_ = rows;
    entries_.clear();
    std::vector<FileEntry> copies;
    std::vector<QString> names;
    for (int row : rows_) {
        FileEntry* entry = model.entry(row);
        entries_.push_back(entry);
        copies.push_back(*entry);
        names.push_back(QString::fromStdString(FileNamePart(entry->sourcePath)));
    }

    wait_ = std::make_unique<WaitCursor>();
    if (p_.lock) p_.lock(false);
    dialog_ = std::make_unique<ConvertProgressDialog>(p_.window);
    dialog_->beginBatch(std::move(names), target);
    connect(dialog_.get(), &ConvertProgressDialog::cancelRequested, runner_.get(),
            &BatchRunner::cancel);
    dialog_->show();
    runner_->start(std::move(copies), target, OutputPlacesFrom(p_.settings),
                   EffectiveSimultaneousConversions(p_.settings));
}

void WindowBatch::jobStarted(int index) {
    const int row = rows_[static_cast<std::size_t>(index)];
    p_.list.fileModel()->setStatus(row, QString::fromStdString(ConvertingText()));
    p_.list.scrollTo(p_.list.fileModel()->index(row, 0), QAbstractItemView::EnsureVisible);
    if (dialog_) dialog_->jobStarted(index);
}

void WindowBatch::jobFinished(int index, const JobOutcome& outcome) {
    const auto i = static_cast<std::size_t>(index);
    entries_[i]->destinationPath = outcome.success() ? outcome.path : std::string();
    p_.list.fileModel()->setStatus(rows_[i], QString::fromStdString(StatusText(outcome)));
    if (dialog_) dialog_->jobEnded(index);
}

void WindowBatch::batchFinished() {
    if (dialog_) dialog_->finishOperation();
    dialog_.reset();
    if (p_.lock) p_.lock(true);
    if (p_.settings.BrowseOutputFolder != 0) {
        for (const FileEntry* entry : entries_) {
            if (!entry->destinationPath.empty() && FileExists(entry->destinationPath)) {
                p_.desktop.ShowInExplorer(entry->destinationPath);
                break;
            }
        }
    }
    wait_.reset();
    entries_.clear();
    Q_EMIT finished();
}

}  // namespace tonvexa
