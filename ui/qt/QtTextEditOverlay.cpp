#include "ui/qt/QtTextEditOverlay.h"

#include "ui/Edit.h"
#include "ui/PaintManager.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>

namespace ui {

namespace {

QString Css(uint32_t argb)
{
    return QString("rgba(%1,%2,%3,%4)")
        .arg((argb >> 16) & 0xFF)
        .arg((argb >> 8) & 0xFF)
        .arg(argb & 0xFF)
        .arg(((argb >> 24) & 0xFF) / 255.0);
}

} // namespace

QtTextEditOverlay::QtTextEditOverlay(QWidget& parent, Edit& edit, PaintManager& manager)
    : parent_(parent), edit_(edit), manager_(manager)
{
    const FontInfo info = manager_.GetFont(edit_.GetFont());
    QFont font;
    if (!info.family.empty())
        font.setFamily(QString::fromStdString(info.family));
    font.setPixelSize(std::max(info.size, 1));
    font.setBold(info.bold);
    font.setItalic(info.italic);
    uint32_t text = edit_.GetTextColor() ? edit_.GetTextColor() : manager_.DefaultTextColor(true);
    uint32_t back = edit_.GetNativeBkColor() ? edit_.GetNativeBkColor() : edit_.GetBkColor();
    const QString style = QString("border:none; padding:0; margin:0; background:%1; color:%2;").arg(Css(back), Css(text));
    const QString content = QString::fromStdString(edit_.GetText());
    QWidget* editor = nullptr;
    if (edit_.IsMultiLine()) {
        plain_ = new QPlainTextEdit(&parent_);
        plain_->setFrameShape(QFrame::NoFrame);
        plain_->setPlainText(content);
        plain_->setReadOnly(edit_.IsReadOnly());
        plain_->moveCursor(QTextCursor::End);
        QObject::connect(plain_, &QPlainTextEdit::textChanged, plain_,
                         [this] { TextEdited(plain_->toPlainText().toStdString()); });
        editor = plain_;
    } else {
        line_ = new QLineEdit(&parent_);
        line_->setFrame(false);
        line_->setText(content);
        line_->setReadOnly(edit_.IsReadOnly());
        if (edit_.GetMaxChar() > 0)
            line_->setMaxLength(edit_.GetMaxChar());
        if (edit_.IsNumberOnly())
            line_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), line_));
        if (edit_.IsPassword())
            line_->setEchoMode(QLineEdit::Password);
        line_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        line_->setCursorPosition(static_cast<int>(content.size()));
        QObject::connect(line_, &QLineEdit::textEdited, line_,
                         [this](const QString& value) { TextEdited(value.toStdString()); });
        QObject::connect(line_, &QLineEdit::returnPressed, line_, [this] { manager_.OnKeyDown(Key::Return); });
        editor = line_;
    }
    editor->setFont(font);
    editor->setStyleSheet(style);
    SyncGeometry();
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
}

void QtTextEditOverlay::Commit()
{
    TextEdited(line_ ? line_->text().toStdString() : plain_->toPlainText().toStdString());
}

QtTextEditOverlay::~QtTextEditOverlay()
{
    QWidget* editor = line_ ? static_cast<QWidget*>(line_) : plain_;
    QObject::disconnect(editor, nullptr, nullptr, nullptr);
    editor->hide();
    // It may be inside its own signal right now.
    editor->deleteLater();
    parent_.setFocus(Qt::OtherFocusReason);
}

void QtTextEditOverlay::TextEdited(const std::string& text)
{
    if (syncing_)
        return;
    edit_.SetTextFromHost(text);
}

void QtTextEditOverlay::SyncGeometry()
{
    const Rect rc = edit_.GetPos().Deflate(edit_.Scale(edit_.GetTextPadding()));
    const QRect geometry(rc.left, rc.top, std::max(rc.Width(), 1), std::max(rc.Height(), 1));
    QWidget* editor = line_ ? static_cast<QWidget*>(line_) : plain_;
    if (editor && editor->geometry() != geometry)
        editor->setGeometry(geometry);
}

void QtTextEditOverlay::SyncText()
{
    const QString content = QString::fromStdString(edit_.GetText());
    syncing_ = true;
    if (line_ && line_->text() != content)
        line_->setText(content);
    if (plain_ && plain_->toPlainText() != content)
        plain_->setPlainText(content);
    syncing_ = false;
}

} // namespace ui
