// SPDX-License-Identifier: GPL-3.0-or-later
#include "CStepsDlg.h"

#include "AccessibleTable.h"
#include "CZYLDoc.h"
#include "FocusCue.h"
#include "FocusStyle.h"
#include "StepsLogic.h"
#include "StepsPage.h"
#include "StepsText.h"
#include "ZoomControl.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <unordered_map>
#include <utility>

namespace {

const QString kZoomKey = QStringLiteral("Windows/StepsZoom");

// Contrast of two colours as WCAG rates it, 1 (equal) to 21.
double Luminance(const QColor& c)
{
    auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// colour where it differs from background by ratio, else the least mix
// of it with black or white (whichever differs more) that does.
QColor StandingOut(const QColor& colour, const QColor& background, double ratio)
{
    const QColor extreme = Contrast(Qt::black, background) > Contrast(Qt::white, background) ? Qt::black : Qt::white;
    QColor c = colour;
    for (int step = 1; step <= 10 && Contrast(c, background) < ratio; ++step) {
        const double t = step / 10.0;
        c = QColor::fromRgbF(static_cast<float>(colour.redF() * (1 - t) + extreme.redF() * t),
                             static_cast<float>(colour.greenF() * (1 - t) + extreme.greenF() * t),
                             static_cast<float>(colour.blueF() * (1 - t) + extreme.blueF() * t));
    }
    return c;
}

// The page's colours from the palette: text and links on the page's
// ground, the table rules; the marks (rows: pale yellow, key cells: a
// deeper one) each with a text colour of its own, dark ones on a dark page.
struct CPageColours
{
    QColor ground, link, rule;
    QColor fill[3], ink[3]; // by CStepsShade

    explicit CPageColours(const QPalette& palette)
    {
        ground = palette.color(QPalette::Base);
        const bool dark = ground.lightness() < 128;
        fill[0] = ground;
        fill[1] = dark ? QColor(0x4d, 0x40, 0x00) : QColor(0xff, 0xf2, 0xb3);
        fill[2] = dark ? QColor(0x80, 0x66, 0x00) : QColor(0xff, 0xd2, 0x4d);
        ink[0] = StandingOut(palette.color(QPalette::Text), ground, 4.5);
        ink[1] = ink[2] = dark ? QColor(Qt::white) : QColor(Qt::black);
        link = StandingOut(palette.color(QPalette::Link), ground, 4.5);
        rule = StandingOut(palette.color(QPalette::Mid), ground, 3);
    }
};

// The functions whose pages were the widest when every function without
// don't cares was laid out in PAL mode, and 200,000 random ones with don't
// cares in PROM mode: a level of the combining table where every minterm
// is ON or a don't care, and covers of seven terms beside the PAL column.
const int kWidestOn[] = {6, 12, 13, 14, 15};
const int kWidestDc[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11};
const int kWidestPal[] = {0, 2, 3, 4, 5, 7, 8, 9, 11, 13, 14};

} // namespace

// The page of steps, scrolled and zoomed; a click on a "Program" link runs
// the program handler with its cover. At a zoom the page is laid out for the width the window shows
// at it, so paragraphs wrap where the window ends.
class CStepsPageView : public QAbstractScrollArea
{
public:
    std::function<void(int cover)> onProgram;

    explicit CStepsPageView(QWidget* parent)
        : QAbstractScrollArea(parent)
        , m_zoom(*this, [this] { LayOut(); }, kZoomKey)
    {
        viewport()->setMouseTracking(true);
        viewport()->setBackgroundRole(QPalette::Base);
        viewport()->setAutoFillBackground(true);
    }

    // The page's zoom: a change keeps the point under its anchor in place,
    // as far as the page wraps alike, and is remembered.
    CZoomControl& Zoom() { return m_zoom; }
    int Percent() const { return m_zoom.Percent(); }

    void SetContent(std::vector<CStepsBlock> blocks)
    {
        m_blocks = std::move(blocks);
        m_items = StepsReadingOrder(m_blocks);
        ++m_generation;
        m_laidOut = true;
        LayOut();
        if (QAccessible::isActive()) {
            QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&reordered);
        }
    }

    // What a screen reader reads, in order; the count grows with every new content.
    const std::vector<CStepsReadItem>& ReadItems() const { return m_items; }
    int Generation() const { return m_generation; }
    // The item the keyboard is on: the "Program" button of its row, or the
    // row; -1 for none.
    int FocusedItem() const
    {
        if (m_stop < 0)
            return -1;
        const CStepsStop& stop = m_page.stops[static_cast<std::size_t>(m_stop)];
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            const CStepsReadItem& item = m_items[i];
            if (item.cover == stop.cover && (stop.program < 0 ? item.kind == CStepsReadItem::Text
                                                              : item.kind == CStepsReadItem::Button))
                return static_cast<int>(i);
        }
        return -1;
    }
    // Where the "Program" link of a cover is shown, in global pixels.
    QRect LinkOnScreen(int program) const
    {
        for (const CStepsPlaced& t : m_page.texts)
            if (t.span.program == program) {
                const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
                const QRect shown = QRectF(t.box.x * Factor(), t.box.y * Factor(), t.box.w * Factor(),
                                           t.box.h * Factor())
                                        .toAlignedRect()
                                        .translated(-offset);
                return QRect(viewport()->mapToGlobal(shown.topLeft()), shown.size());
            }
        return {};
    }

    const CStepsPage& Page() const { return m_page; }

    // How wide the page of blocks is at the zoom, in pixels.
    int NaturalWidth(const std::vector<CStepsBlock>& blocks)
    {
        return qRound(LayOutPage(blocks, 0, Metrics()).width * Factor());
    }

    // The covers' row the keyboard is on, -1 for none.
    int Stop() const { return m_stop; }

    // Home, Ctrl+Home: the page's top left; End, Ctrl+End: its bottom.
    void ScrollTo(bool end)
    {
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(end ? verticalScrollBar()->maximum() : 0);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QAbstractScrollArea::resizeEvent(event);
        LayOut();
    }

    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(viewport());
        const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
        p.translate(-offset);
        p.scale(Factor(), Factor());
        const QRect exposed = QRectF(QRectF(event->rect().translated(offset)).topLeft() / Factor(),
                                     QRectF(event->rect()).size() / Factor())
                                  .toAlignedRect();
        auto visible = [&exposed](const CStepsRect& r) { return exposed.intersects(QRect(r.x, r.y, r.w, r.h)); };
        const CPageColours colours(palette());
        for (const CStepsRect& r : m_page.marked)
            if (visible(r))
                p.fillRect(r.x, r.y, r.w, r.h, colours.fill[1]);
        for (const CStepsRect& r : m_page.keys)
            if (visible(r))
                p.fillRect(r.x, r.y, r.w, r.h, colours.fill[2]);
        for (const CStepsRect& r : m_page.rules)
            if (visible(r))
                p.fillRect(r.x, r.y, r.w, r.h, colours.rule);
        const QFontMetrics fm(font());
        for (const CStepsPlaced& t : m_page.texts) {
            if (!visible(t.box))
                continue;
            QFont f = font();
            f.setBold(t.span.strong || t.heading);
            f.setUnderline(t.span.program >= 0);
            int baseline = t.box.y + 2 + fm.ascent();
            if (t.span.subscript) {
                f.setPointSizeF(f.pointSizeF() * 0.75);
                baseline += fm.ascent() / 4;
            }
            p.setFont(f);
            const auto shade = static_cast<std::size_t>(t.shade);
            p.setPen(t.span.program < 0 ? colours.ink[shade] : StandingOut(colours.link, colours.fill[shade], 4.5));
            p.drawText(t.box.x, baseline, QString::fromStdString(t.span.text));
            if (t.span.bar) // a bar of its own over each complemented name
                p.drawLine(t.box.x + 1, baseline - fm.capHeight() - 2, t.box.x + t.box.w - 2,
                           baseline - fm.capHeight() - 2);
        }
        if (m_cue.Shown(hasFocus()) && m_stop >= 0) {
            const CStepsRect& r = m_page.stops[static_cast<std::size_t>(m_stop)].row;
            DrawFocusCue(p, QRectF(r.x + 4, r.y + 4, r.w - 8, r.h - 8));
        }
    }

    // Tab and Shift+Tab step through the covers' rows before they leave the page.
    bool focusNextPrevChild(bool next) override
    {
        const int at = m_stop + (next ? 1 : -1);
        if (hasFocus() && m_stop >= 0 && at >= 0 && at < static_cast<int>(m_page.stops.size())) {
            SetStop(at);
            return true;
        }
        return QAbstractScrollArea::focusNextPrevChild(next);
    }

    void focusInEvent(QFocusEvent* event) override
    {
        const int stops = static_cast<int>(m_page.stops.size());
        if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
            m_cue.Navigated();
            SetStop(stops == 0 ? -1 : event->reason() == Qt::TabFocusReason ? 0 : stops - 1);
        }
        viewport()->update();
        QAbstractScrollArea::focusInEvent(event);
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        viewport()->update();
        QAbstractScrollArea::focusOutEvent(event);
    }

    // Return or Space on a row with a "Program" link programs its cover.
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool activate = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                              event->key() == Qt::Key_Space;
        if (activate && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && m_stop >= 0) {
            const int program = m_page.stops[static_cast<std::size_t>(m_stop)].program;
            if (program >= 0 && onProgram)
                onProgram(program);
            return;
        }
        QAbstractScrollArea::keyPressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        viewport()->setCursor(LinkAt(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const CStepsPlaced* link = LinkAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && link && onProgram)
            onProgram(link->span.program);
    }

    void wheelEvent(QWheelEvent* event) override
    {
        if (!m_zoom.Wheel(*event))
            QAbstractScrollArea::wheelEvent(event);
    }

private:
    // The keyboard on covers' row i, scrolled into sight.
    void SetStop(int i)
    {
        m_stop = i;
        viewport()->update();
        if (i < 0)
            return;
        if (QAccessible::isActive() && FocusedItem() >= 0) {
            QAccessibleEvent focused(this, QAccessible::Focus);
            focused.setChild(FocusedItem());
            QAccessible::updateAccessibility(&focused);
        }
        const CStepsRect& r = m_page.stops[static_cast<std::size_t>(i)].row;
        QScrollBar& bar = *verticalScrollBar();
        const int top = qRound(r.y * Factor()) - 8;
        const int bottom = qRound((r.y + r.h) * Factor()) + 8;
        if (top < bar.value())
            bar.setValue(top);
        else if (bottom > bar.value() + viewport()->height())
            bar.setValue(bottom - viewport()->height());
    }

    const CStepsPlaced* LinkAt(const QPoint& pos) const
    {
        const ZPoint at =
            DeviceToLogical(pos + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()), Factor());
        for (const CStepsPlaced& t : m_page.texts)
            if (t.span.program >= 0 && t.box.Contains(at.x, at.y))
                return &t;
        return nullptr;
    }

    // Widths as the painter draws the runs: shaped, kerning and all. Runs
    // repeat (numbers, patterns, words of the table heads), so each is
    // shaped once per font.
    CStepsMetrics Metrics()
    {
        if (m_widthFont != font()) {
            m_widthFont = font();
            m_widths[0].clear();
            m_widths[1].clear();
        }
        CStepsMetrics metrics;
        metrics.width = [this](const std::string& text, bool strong) {
            auto& known = m_widths[strong ? 1 : 0];
            const auto found = known.find(text);
            if (found != known.end())
                return found->second;
            QFont f = font();
            f.setBold(strong);
            const int w = QFontMetrics(f).horizontalAdvance(QString::fromStdString(text));
            known.emplace(text, w);
            return w;
        };
        metrics.lineHeight = QFontMetrics(font()).height() + 4;
        return metrics;
    }

    void LayOut()
    {
        if (!m_laidOut)
            return;
        const CStepsMetrics metrics = Metrics();
        const double z = Factor();
        m_page = LayOutPage(m_blocks, static_cast<int>(viewport()->width() / z), metrics);
        m_stop = std::min(m_stop, static_cast<int>(m_page.stops.size()) - 1);
        horizontalScrollBar()->setRange(0, std::max(0, qRound(m_page.width * z) - viewport()->width()));
        horizontalScrollBar()->setPageStep(viewport()->width());
        verticalScrollBar()->setRange(0, std::max(0, qRound(m_page.height * z) - viewport()->height()));
        verticalScrollBar()->setPageStep(viewport()->height());
        verticalScrollBar()->setSingleStep(qRound(metrics.lineHeight * z));
        viewport()->update();
    }

    double Factor() const { return m_zoom.Factor(); }

    CZoomControl m_zoom;
    std::vector<CStepsBlock> m_blocks;
    std::vector<CStepsReadItem> m_items;
    int m_generation = 0;
    bool m_laidOut = false;
    CStepsPage m_page;
    int m_stop = -1;
    CFocusCue m_cue;
    QFont m_widthFont;
    std::unordered_map<std::string, int> m_widths[2];
};

// --- The page for a screen reader -------------------------------------------

namespace {

class CStepsPageAccessible;

// One item of the page in reading order: a heading, a text, or a
// "Program" button that programs its cover when pressed.
class CStepsItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CStepsItemAccessible(CStepsPageAccessible& page, int index)
        : m_page(page)
        , m_index(index)
    {
    }
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QString::fromStdString(Item().text) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override
    {
        static const QAccessible::Role roles[] = {QAccessible::Heading, QAccessible::StaticText, QAccessible::Button};
        return roles[Item().kind];
    }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface && Item().kind == CStepsReadItem::Button
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const CStepsReadItem& Item() const;
    CStepsPageAccessible& m_page;
    int m_index;
};

// The page as a document: its items in reading order, made again for
// every new content.
class CStepsPageAccessible : public QAccessibleWidget
{
public:
    explicit CStepsPageAccessible(CStepsPageView* view)
        : QAccessibleWidget(view, QAccessible::Document, QStringLiteral("Minimization steps"))
    {
    }
    ~CStepsPageAccessible() override { Clear(); }
    CStepsPageAccessible(const CStepsPageAccessible&) = delete;
    CStepsPageAccessible& operator=(const CStepsPageAccessible&) = delete;

    CStepsPageView& View() const { return static_cast<CStepsPageView&>(*widget()); }
    int childCount() const override { return static_cast<int>(View().ReadItems().size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (m_generation != View().Generation()) {
            Clear();
            m_generation = View().Generation();
        }
        m_items.resize(View().ReadItems().size(), nullptr);
        CStepsItemAccessible*& item = m_items[static_cast<std::size_t>(index)];
        if (!item) {
            item = new CStepsItemAccessible(const_cast<CStepsPageAccessible&>(*this), index);
            QAccessible::registerAccessibleInterface(item);
        }
        return item;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto found = std::find(m_items.begin(), m_items.end(), child);
        return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
    }
    QAccessibleInterface* focusChild() const override
    {
        return View().hasFocus() ? child(View().FocusedItem()) : nullptr;
    }

private:
    void Clear() const
    {
        for (CStepsItemAccessible* item : m_items)
            if (item)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
        m_items.clear();
    }
    mutable std::vector<CStepsItemAccessible*> m_items;
    mutable int m_generation = -1;
};

bool CStepsItemAccessible::isValid() const
{
    return m_page.isValid() && m_index < m_page.childCount();
}
QWindow* CStepsItemAccessible::window() const { return m_page.window(); }
QAccessibleInterface* CStepsItemAccessible::parent() const { return &m_page; }
const CStepsReadItem& CStepsItemAccessible::Item() const
{
    static const CStepsReadItem none;
    const std::vector<CStepsReadItem>& items = m_page.View().ReadItems();
    return m_index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(m_index)] : none;
}

QRect CStepsItemAccessible::rect() const
{
    return Item().kind == CStepsReadItem::Button ? m_page.View().LinkOnScreen(Item().program) : m_page.rect();
}

QAccessible::State CStepsItemAccessible::state() const
{
    QAccessible::State s;
    s.readOnly = Item().kind != CStepsReadItem::Button;
    s.focusable = Item().cover >= 0;
    s.focused = m_page.View().hasFocus() && m_page.View().FocusedItem() == m_index;
    return s;
}

void CStepsItemAccessible::doAction(const QString& name)
{
    if (name == pressAction() && Item().kind == CStepsReadItem::Button && m_page.View().onProgram)
        m_page.View().onProgram(Item().program);
}

QAccessibleInterface* PageFactory(const QString&, QObject* object)
{
    auto* view = dynamic_cast<CStepsPageView*>(object);
    return view ? new CStepsPageAccessible(view) : nullptr;
}

} // namespace

CStepsDlg::CStepsDlg(CZYLDoc& doc, QWidget* parent)
    : CModelessDlg(parent)
    , m_doc(doc)
{
    setWindowTitle("Minimization Steps");
    setSizeGripEnabled(true);
    const QVBoxLayout& layout = CreateControls();

    // Wide enough for the widest page of any function and tall, as far as
    // the screen allows.
    int widest = 0;
    for (const bool pal : {false, true}) {
        CStepsInput input;
        input.pal = pal;
        const CDerivation d = pal ? Derive(kWidestPal, static_cast<int>(std::size(kWidestPal)), nullptr, 0)
                                  : Derive(kWidestOn, static_cast<int>(std::size(kWidestOn)), kWidestDc,
                                           static_cast<int>(std::size(kWidestDc)));
        widest = std::max(widest, m_page->NaturalWidth(LayOutSteps(d, input)));
    }
    const QMargins margins = layout.contentsMargins();
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(std::min(widest + margins.left() + margins.right() + 2 * m_page->frameWidth() +
                        m_page->verticalScrollBar()->sizeHint().width(),
                    screen.width() - 32),
           std::min(860, screen.height() - 64));

    for (const bool end : {false, true}) {
        auto* keys = new QAction(this);
        keys->setShortcuts({QKeySequence(end ? Qt::Key_End : Qt::Key_Home),
                            QKeySequence(Qt::CTRL | (end ? Qt::Key_End : Qt::Key_Home))});
        keys->setShortcutContext(Qt::WindowShortcut);
        connect(keys, &QAction::triggered, this, [this, end] { m_page->ScrollTo(end); });
        addAction(keys);
    }
    m_page->Zoom().AddKeys(*this);
    Refill();
}

QVBoxLayout& CStepsDlg::CreateControls()
{
    m_function = new QComboBox(this);
    m_page = new CStepsPageView(this);
    UseAccessibleFactory(PageFactory, m_page);
    m_page->onProgram = [this](int cover) { ProgramCover(cover); };
    auto* copyText = new QPushButton("Copy as &Text", this);
    auto* copyLatex = new QPushButton("Copy as &LaTeX", this);
    auto* close = new QPushButton("Close", this);

    auto* top = new QHBoxLayout;
    auto* label = new QLabel("&Function:", this);
    label->setBuddy(m_function);
    top->addWidget(label);
    top->addWidget(m_function);
    top->addStretch(1);
    top->addWidget(copyText);
    top->addWidget(copyLatex);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_page, 1);
    layout->addLayout(bottom);

    for (int f = 0; f < 4; ++f)
        m_function->addItem(QString());
    connect(m_function, &QComboBox::currentIndexChanged, this, [this] { Refill(); });
    connect(copyText, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(QString::fromStdString(PlainText())); });
    connect(copyLatex, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(QString::fromStdString(Latex())); });
    connect(close, &QPushButton::clicked, this, [this] { reject(); });
    return *layout;
}

int CStepsDlg::Zoom() const { return m_page->Percent(); }

void CStepsDlg::SetZoom(int percent, const QPoint& anchor) { m_page->Zoom().Set(percent, anchor); }

int CStepsDlg::Function() const { return std::max(m_function->currentIndex(), 0); }

void CStepsDlg::SetFunction(int f) { m_function->setCurrentIndex(std::clamp(f, 0, 3)); }

void CStepsDlg::Reload()
{
    const Device& device = m_doc.Device();
    for (int f = 0; f < 4; ++f)
        m_function->setItemText(f, QString::fromStdString(device.names.functions[static_cast<std::size_t>(f)]));
    const int f = Function();
    m_derivation = DeriveSteps(device, f);
    m_programmed = ProgrammedStepsCover(device, f, m_derivation);
    // The page is laid out again; the scroll bars keep the reader's place
    // while the function stays, another function starts at its top.
    m_page->SetContent(Blocks());
    if (f != m_shown)
        m_page->ScrollTo(false);
    m_shown = f;
}

std::vector<CStepsBlock> CStepsDlg::Blocks() const
{
    return StepsBlocksOf(m_doc.Device(), Function(), m_derivation);
}

const CStepsPage& CStepsDlg::Page() const { return m_page->Page(); }

QWidget* CStepsDlg::PageViewport() const { return m_page->viewport(); }

bool CStepsDlg::ProgramCover(int s)
{
    // The window refills from the change, as every window does.
    return ProgramStepsCover(m_doc, Function(), m_derivation, s) == ProgramResult::Programmed;
}

std::string CStepsDlg::PlainText() const { return StepsPlainText(Blocks(), m_derivation); }

std::string CStepsDlg::Latex() const { return StepsLatex(Blocks()); }
