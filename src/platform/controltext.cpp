#include "platform/controltext.h"

#include "platform/colors.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

void SetCaption(QLabel* label, const std::string& text)
{
    label->setText(QString::fromStdString(text));
}

void SetCaption(QAbstractButton* button, const std::string& text)
{
    button->setText(QString::fromStdString(text));
}

void SetCaption(QGroupBox* box, const std::string& text)
{
    box->setTitle(QString::fromStdString(text));
}

void SetCaption(QLineEdit* edit, const std::string& text)
{
    edit->setText(QString::fromStdString(text));
}

void SetHint(QWidget* control, const std::string& text)
{
    control->setToolTip(QString::fromStdString(text));
}

std::string Caption(const QLabel* label)
{
    return label->text().toStdString();
}

std::string Caption(const QAbstractButton* button)
{
    return button->text().toStdString();
}

std::string Caption(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

void SetFontColor(QLabel* label, TColor color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(color));
    label->setPalette(palette);
}

TColor FontColor(const QLabel* label)
{
    const QColor color = label->palette().color(QPalette::WindowText);
    return static_cast<TColor>(color.red()) | static_cast<TColor>(color.green()) << 8 |
           static_cast<TColor>(color.blue()) << 16;
}
