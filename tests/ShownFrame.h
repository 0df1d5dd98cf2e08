// SPDX-License-Identifier: GPL-3.0-or-later
// A main window shown on the offscreen screen with the platform seam on Qt,
// for the tests of windows that live beside it.
#pragma once

#include "CMainFrame.h"
#include "CZYLDoc.h"
#include "QtPlatform.h"

#include <QObject>
#include <QtTest>

#include <memory>

class CShownFrameTest : public QObject
{
protected:
    // The init and cleanup of each test function.
    void ShowFrame()
    {
        m_doc = std::make_unique<CZYLDoc>();
        m_platform = std::make_unique<CQtPlatform>();
        SetPlatform(m_platform.get());
        m_frame = std::make_unique<CMainFrame>(*m_doc);
        m_platform->SetFrame(m_frame.get());
        m_frame->resize(1000, 700);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }
    void CloseFrame()
    {
        m_frame.reset();
        SetPlatform(nullptr);
        m_platform.reset();
        m_doc.reset();
    }

    std::unique_ptr<CZYLDoc> m_doc;
    std::unique_ptr<CQtPlatform> m_platform;
    std::unique_ptr<CMainFrame> m_frame;
};
