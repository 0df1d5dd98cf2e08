// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

class QKeyEvent;
class QPainter;
class QRectF;

// The focus mark of every window: a dotted rectangle in the text colour
// around the focused control's text (inside a button's frame), which the default button's outline never
// looks like (the plain style draws both as the same coloured frame).
class CFocusStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    // A push button with the focus gets the mark inside its frame.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// Makes the program readable and usable from the keyboard: installs
// CFocusStyle over the application's style and names the menu items
// without their shortcut text ("New", not "New\tCtrl+N"). Once, at start.
void InstallKeyboardAndReaderSupport();

// Whether the key moves a keyboard cursor: an arrow, Tab, Home, End, Page
// Up or Page Down (what makes a drawn surface show its cursor).
bool IsNavigationKey(const QKeyEvent& event);
// The keyboard cursor's mark around a cell, in the painter's coordinates:
// the same dotted rectangle, in the highlight colour, two units wide.
void DrawFocusCue(QPainter& painter, const QRectF& cell);
