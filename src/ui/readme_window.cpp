#include "ui/readme_window.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "db/captions.h"
#include "ui/pictures.h"
#include "ui/text_view_files.h"
#include "ui/ui_context.h"
#include "ui/window_captions.h"

namespace velmoro {

const char* const kMissingReadmeMessage =
    "The readme file, velmoro.txt, is missing.\n"
    "Please report errors to velmoro-support@example.org\n"
    "for assistance.";

ReadmeWindow::ReadmeWindow(const QString& text, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setWindowTitle(kReadmeCaption);
    setWindowIcon(ProgramIcon());
    // The readme is laid out in columns of plain text.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
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
    const QFontMetrics metrics(text_->font());
    resize(metrics.horizontalAdvance('M') * 82, metrics.lineSpacing() * 32);
}

void ShowReadme(UiContext& context, QWidget* parent) {
    const auto text =
        ReadTextPrefix(context.session.installDirectory / "velmoro.txt", kReadmeLimit);
    if (!text) {
        context.prompter.Inform(kMissingReadmeMessage, kErrorCaption);
        return;
    }
    ReadmeWindow window(*text, parent);
    window.exec();
}

}  // namespace velmoro
