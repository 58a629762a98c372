// The readme viewer of the main menu: velmoro.txt of the installation directory.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace velmoro {

struct UiContext;

inline constexpr std::size_t kReadmeLimit = 5000;
extern const char* const kMissingReadmeMessage;

class ReadmeWindow : public QDialog {
  public:
    ReadmeWindow(const QString& text, QWidget* parent);
    QPlainTextEdit* TextField() const { return text_; }

  private:
    QPlainTextEdit* text_;
};

// Shows the readme modally; when the file is missing the user is told so instead.
void ShowReadme(UiContext& context, QWidget* parent);

}  // namespace velmoro
