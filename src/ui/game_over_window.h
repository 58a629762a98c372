// The game-over window: the box score of the finished game and the offer to replay it.
#pragma once

#include <filesystem>

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace velmoro {

inline constexpr std::size_t kGameLogLimit = 5000;

// Ends with 1 for "Replay Game", 0 for "Cancel" or a closed window.
class GameOverWindow : public QDialog {
  public:
    GameOverWindow(const std::filesystem::path& gameLogPath, QWidget* parent);

    QPlainTextEdit* LogField() const { return log_; }
    QPushButton* ReplayButton() const { return replay_; }
    QPushButton* CancelButton() const { return cancel_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPlainTextEdit* log_;
    QPushButton* replay_;
    QPushButton* cancel_;
};

}  // namespace velmoro
