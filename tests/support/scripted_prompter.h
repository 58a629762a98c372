// A Prompter for tests: records every message box and answers questions from a
// script, so a test can drive a command without a real message box appearing.
#pragma once

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/prompter.h"

namespace velmoro::testing {

class ScriptedPrompter : public Prompter {
  public:
    struct Message {
        bool question = false;
        std::string text;
        std::string caption;
    };

    // Answers for the coming questions, in order; true is Yes (No once they run out).
    void QueueAnswers(std::initializer_list<bool> answers) {
        answers_.insert(answers_.end(), answers.begin(), answers.end());
    }
    void Inform(const std::string& text, const std::string& caption) override {
        messages.push_back({false, text, caption});
    }

    bool AskYesNo(const std::string& text, const std::string& caption) override {
        messages.push_back({true, text, caption});
        if (answers_.empty()) return false;
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    // Texts of the plain messages (not the questions), oldest first.
    std::vector<std::string> Informs() const {
        std::vector<std::string> texts;
        for (const Message& m : messages)
            if (!m.question) texts.push_back(m.text);
        return texts;
    }
    int QuestionCount() const {
        int count = 0;
        for (const Message& m : messages)
            count += m.question ? 1 : 0;
        return count;
    }

    std::vector<Message> messages;

  private:
    std::deque<bool> answers_;
};

}  // namespace velmoro::testing
