#pragma once
// What a shown window puts before the eye, told in plain Qt controls: each
// visible menu title, button, check box, edit box and text label, with its
// place, its font as asked for and its text. The bench tells the program's
// window so; the same-work floor builds the same controls with Qt alone.
// Controls a program draws itself (the ladder, the count) are left out, so
// the floor does no more than the window does.
//
// A line for the window's size, then a line a control: kind, x, y, width, height, families, pixel size, point
// size, weight, hinting, text; tab-separated, the families and the menu
// titles comma-separated, every text percent-encoded.

#include <QByteArray>
#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>

namespace bench {

namespace visible {

inline QByteArray Encoded(const QStringList& texts)
{
    QByteArrayList parts;
    for (const QString& text : texts)
        parts.append(QUrl::toPercentEncoding(text));
    return parts.join(',');
}

inline QStringList Decoded(const QByteArray& field)
{
    QStringList texts;
    for (const QByteArray& part : field.split(','))
        texts.append(QUrl::fromPercentEncoding(part));
    return texts;
}

inline QByteArray Line(const char* kind, const QWidget& control, const QWidget& window, const QStringList& texts)
{
    const QRect place(control.mapTo(&window, QPoint(0, 0)), control.size());
    const QFont& font = control.font();
    return QByteArrayList{kind,
                          QByteArray::number(place.x()),
                          QByteArray::number(place.y()),
                          QByteArray::number(place.width()),
                          QByteArray::number(place.height()),
                          Encoded(font.families().isEmpty() ? QStringList{font.family()} : font.families()),
                          QByteArray::number(font.pixelSize()),
                          QByteArray::number(font.pointSizeF()),
                          QByteArray::number(font.weight()),
                          QByteArray::number(font.hintingPreference()),
                          Encoded(texts)}
               .join('\t')
           + '\n';
}

} // namespace visible

// The window's visible controls, as lines.
inline QByteArray VisibleControls(const QWidget& window)
{
    QByteArray lines = visible::Line("window", window, window, {});
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (control->visibleRegion().isEmpty())
            continue;
        if (const auto* menus = qobject_cast<const QMenuBar*>(control)) {
            QStringList titles;
            for (const QAction* menu : menus->actions())
                titles.append(menu->text());
            lines += visible::Line("menus", *control, window, titles);
        } else if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
            lines += visible::Line("check", *control, window, {box->text()});
        } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            lines += visible::Line("button", *control, window, {button->text()});
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
            lines += visible::Line("edit", *control, window, {edit->text()});
        } else if (const auto* label = qobject_cast<const QLabel*>(control); label && !label->text().isEmpty()) {
            lines += visible::Line("label", *control, window, {label->text()});
        }
    }
    return lines;
}

// Builds those controls on `window`.
inline void BuildVisibleControls(QWidget& window, const QByteArray& lines)
{
    for (const QByteArray& line : lines.split('\n')) {
        const QByteArrayList field = line.split('\t');
        if (field.size() != 11)
            continue;
        const QByteArray kind = field[0];
        const QStringList texts = visible::Decoded(field[10]);
        QWidget* control = nullptr;
        if (kind == "window") {
            window.resize(field[3].toInt(), field[4].toInt());
            continue;
        } else if (kind == "menus") {
            auto* menus = new QMenuBar(&window);
            for (const QString& title : texts)
                menus->addMenu(title);
            control = menus;
        } else if (kind == "check") {
            control = new QCheckBox(texts.value(0), &window);
        } else if (kind == "button") {
            control = new QPushButton(texts.value(0), &window);
        } else if (kind == "edit") {
            control = new QLineEdit(texts.value(0), &window);
        } else {
            control = new QLabel(texts.value(0), &window);
        }
        QFont font;
        font.setFamilies(visible::Decoded(field[5]));
        if (field[6].toInt() > 0)
            font.setPixelSize(field[6].toInt());
        else
            font.setPointSizeF(field[7].toDouble());
        font.setWeight(QFont::Weight(field[8].toInt()));
        font.setHintingPreference(QFont::HintingPreference(field[9].toInt()));
        control->setFont(font);
        control->setGeometry(field[1].toInt(), field[2].toInt(), field[3].toInt(), field[4].toInt());
    }
}

} // namespace bench
