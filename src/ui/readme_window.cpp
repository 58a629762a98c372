#include "readme_window.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "pictures.h"
#include "text_view_files.h"
#include "ui_context.h"

namespace velmoro {

const char* const kMissingReadmeMessage =
    "The readme file, velmoro.txt, is missing.\n"
    "Please report errors to velmoro-support@example.org\n"
    "for assistance.";

ReadmeWindow::ReadmeWindow(const QString& text, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setWindowTitle(kReadmeCaption);
    setWindowIcon(ProgramIcon());
    text_->setReadOnly(true);
    text_->setPlainText(text);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(buttons);
    // About 278 by 271 dialog units: roughly 70 characters by 30 lines.
    const QFontMetrics metrics(text_->font());
    resize(metrics.averageCharWidth() * 74, metrics.lineSpacing() * 32);
}

void ShowReadme(UiContext& context, QWidget* parent) {
    const auto text =
        ReadTextPrefix(context.session.installDirectory / "velmoro.txt", kReadmeLimit);
    if (!text) {
        context.prompter.Inform(kMissingReadmeMessage, "Velmoro Baseball Error");
        return;
    }
    ReadmeWindow window(*text, parent);
    window.exec();
}

}  // namespace velmoro
