// Shared helpers of the window tests: a window started from the standard's
// tables without a data file, and a recorder in place of the message box.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <vector>

#include "datafile/StandardTables.h"
#include "engine/DataFile.h"
#include "ui/Form1.h"
#include "ui/MessageBox.h"

namespace brimsel::ui {

// Reaches the window's private operations.
struct Form1TestAccess {
    static void ShowError(Form1& form, std::int16_t code) { form.ShowError(code); }
    static void ComputeHoleDeviations(Form1& form) { form.ComputeHoleDeviations(); }
    static void ComputeShaftDeviations(Form1& form) { form.ComputeShaftDeviations(); }
    static void ShowFitResult(Form1& form) { form.ShowFitResult(); }
    static void SplitZoneCode(Form1& form, const std::string& code, std::string& letters,
                              std::string& grade) {
        form.SplitZoneCode(code, letters, grade);
    }
};

}  // namespace brimsel::ui

namespace brimsel::ui::test {

// Records every message instead of showing it, while it lives.
class MessageRecorder {
  public:
    MessageRecorder() {
        previous_ = SetMessagePresenter(
            [this](QWidget*, const MessageRequest& request) { Messages.push_back(request); });
    }
    ~MessageRecorder() { SetMessagePresenter(std::move(previous_)); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<MessageRequest> Messages;

  private:
    MessagePresenter previous_;
};

inline const ToleranceData& StandardData() {
    static const ToleranceData data = BuildStandardTables();
    return data;
}

// A window whose start-up reads the standard's tables from memory.
inline std::unique_ptr<Form1> NewWindow() {
    auto form = std::make_unique<Form1>();
    form->ReadToleranceData = [] { return DataFileResult{StandardData(), {}}; };
    return form;
}

inline std::unique_ptr<Form1> StartedWindow() {
    auto form = NewWindow();
    const bool loaded = form->Form1_Load();
    if (!loaded) ADD_FAILURE() << "start-up rejected the standard tables";
    return form;
}

inline std::string Text(const QString& text) { return text.toStdString(); }

}  // namespace brimsel::ui::test
