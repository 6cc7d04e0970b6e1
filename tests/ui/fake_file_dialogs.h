// File dialogs and questions answered from queues, for the window's tests: each
// dialog and question is logged as it is asked, with what it started from.
#pragma once

#include <QStringList>
#include <deque>

#include "ui/file_dialogs.h"

namespace kalvesta::testing_support {

struct FakeDialogs : FileDialogs {
    std::deque<QString> names;            // file dialogs; none queued: cancelled
    std::deque<SaveChoice> save_choices;  // "Save changes?"; none queued: Cancel
    std::deque<bool> replace_answers;     // "Replace?"; none queued: Cancel
    QStringList asked;                    // "open FOLDER", "save PROPOSAL", "changes NAME", ...
    QStringList errors;
    QStringList done;

    template <class T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) {
            return otherwise;
        }
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
    std::optional<QString> NextName() {
        return names.empty() ? std::nullopt : std::optional<QString>(Next(names, QString()));
    }
    std::optional<QString> OpenFileName(QWidget*, const QString& folder) override {
        asked << "open " + folder;
        return NextName();
    }
    std::optional<QString> SaveFileName(QWidget*, const QString& proposal) override {
        asked << "save " + proposal;
        return NextName();
    }
    std::optional<QString> ExportFileName(QWidget*, const QString& proposal,
                                          const Catalogue&) override {
        asked << "export " + proposal;
        return NextName();
    }
    SaveChoice AskSaveChanges(QWidget*, const QString& file_name, const Catalogue&) override {
        asked << "changes " + file_name;
        return Next(save_choices, SaveChoice::kCancel);
    }
    bool AskReplace(QWidget*, const QString& file_name, const Catalogue&) override {
        asked << "replace " + file_name;
        return Next(replace_answers, false);
    }
    void ShowFileError(QWidget*, const QString& message, const Catalogue&) override {
        errors << message;
    }
    void ShowDone(QWidget*, const QString& message, const Catalogue&) override { done << message; }
};

}  // namespace kalvesta::testing_support
