// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// When a drawn surface shows its keyboard cursor: the desktop's rule for
// focus cues. Nothing is shown until the user presses a navigation key
// (arrow, Tab, Home/End, Page) on the surface; from then on the mark shows
// while the surface has the focus. The mark is drawn by the on-screen paint
// only, never by the procedure that prints, exports and copies, so those
// pictures, and the screen before any such key, stay exactly as they were.
class CFocusCue
{
public:
    // A navigation key reached the surface.
    void Navigated() { m_navigated = true; }
    bool Shown(bool hasFocus) const { return m_navigated && hasFocus; }

private:
    bool m_navigated = false;
};
