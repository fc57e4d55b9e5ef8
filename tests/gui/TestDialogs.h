#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "ui/Dialogs.h"

namespace tonvexa::test {

// Dialogs that never open a window: messages are recorded, the file and folder requests are
// answered from queues (an empty queue answers as a user who cancelled), and a program dialog
// is handed to a handler instead of a modal loop.
class TestDialogs final : public Dialogs {
public:
    struct Message {
        QWidget* owner;
        QString text;
        MessageIcon icon;
    };
    struct FolderRequest {
        QString title;
        QString start;
    };

    std::vector<Message> messages;
    std::vector<QStringList> fileRequests;  // the filters of each request
    std::vector<FolderRequest> folderRequests;
    std::deque<QStringList> fileAnswers;
    std::deque<QString> folderAnswers;
    // Runs in place of QDialog::exec; its return value is the dialog's result. Without one
    // every dialog is rejected.
    std::function<int(QDialog&)> execHandler;
    int execCount = 0;

    void showMessage(QWidget* owner, const QString& text, MessageIcon icon) override {
        messages.push_back({owner, text, icon});
    }
    std::vector<std::string> openFiles(QWidget*, const QStringList& filters) override {
        fileRequests.push_back(filters);
        std::vector<std::string> paths;
        for (const QString& path : take(fileAnswers)) paths.push_back(path.toStdString());
        return paths;
    }
    QString chooseFolder(QWidget*, const QString& title, const QString& start) override {
        folderRequests.push_back({title, start});
        return take(folderAnswers);
    }
    int exec(QDialog& dialog) override {
        ++execCount;
        return execHandler ? execHandler(dialog) : QDialog::Rejected;
    }

private:
    template <class T>
    static T take(std::deque<T>& queue) {
        if (queue.empty()) return T();
        T answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }
};

}  // namespace tonvexa::test
