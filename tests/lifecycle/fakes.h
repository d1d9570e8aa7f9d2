#pragma once

#include "lifecycle/progress_prompts.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tarvik::testing {

// Every step that reaches outside, in order, across all fakes that share it.
using EventLog = std::vector<std::string>;

struct FakeDialogs : ProgressDialogs {
    EventLog* log = nullptr;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<QString>> openAnswers;
    struct Call {
        QString folder;
        QString preset;
    };
    std::vector<Call> saveCalls;
    std::vector<QString> openCalls;

    std::optional<QString> askSaveName(const QString& folder, const QString& preset) override
    {
        saveCalls.push_back({folder, preset});
        if (log)
            log->push_back("save dialog");
        if (saveAnswers.empty())
            return std::nullopt;
        auto answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    std::optional<QString> askOpenName(const QString& folder) override
    {
        openCalls.push_back(folder);
        if (log)
            log->push_back("open dialog");
        if (openAnswers.empty())
            return std::nullopt;
        auto answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
};

struct FakeMessages : MessageBoxes {
    EventLog* log = nullptr;
    std::vector<QString> errors;
    std::vector<QString> questions;
    std::deque<bool> answers;

    void showError(const QString& text) override
    {
        errors.push_back(text);
        if (log)
            log->push_back("error: " + text.toStdString());
    }
    bool askYesNo(const QString& text) override
    {
        questions.push_back(text);
        if (log)
            log->push_back("question: " + text.toStdString());
        bool answer = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
};

}  // namespace tarvik::testing
