// A played game's box score from the season file: the line score, each side's batters
// and pitchers, in a fixed-width text window.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace velmoro {

class BoxScoreWindow : public QDialog {
  public:
    BoxScoreWindow(const QString& title, const QString& text, QWidget* parent = nullptr);

    QPlainTextEdit* Text() const { return text_; }

  private:
    QPlainTextEdit* text_;
};

}  // namespace velmoro
