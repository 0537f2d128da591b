#include "view/GridZoom.h"

#include "app/Settings.h"
#include "view/GridTableView.h"

#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>

namespace {

constexpr std::array kSteps{50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
constexpr int kNormal = 100;
// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

// The step nearest to percent: a settings file edited by hand may hold any
// number.
int StepIndex(int percent)
{
    const auto nearest = std::min_element(kSteps.begin(), kSteps.end(), [percent](int a, int b) {
        return std::abs(a - percent) < std::abs(b - percent);
    });
    return static_cast<int>(std::distance(kSteps.begin(), nearest));
}

} // namespace

CGridZoom::CGridZoom(CGridTableView& table, QObject* parent)
    : QObject(parent), m_table(table), m_viewport(table.viewport()), m_normalFont(table.font())
{
    table.viewport()->installEventFilter(this);
}

void CGridZoom::Read()
{
    m_percent = kSteps[StepIndex(Settings::Store().ReadInt(Settings::kZoomPercent))];
    Apply();
}

void CGridZoom::ZoomIn()
{
    Step(1);
}

void CGridZoom::ZoomOut()
{
    Step(-1);
}

void CGridZoom::ResetZoom()
{
    SetPercent(kNormal);
}

void CGridZoom::Step(int steps)
{
    const int at = std::clamp(StepIndex(m_percent) + steps, 0, static_cast<int>(kSteps.size()) - 1);
    SetPercent(kSteps[static_cast<std::size_t>(at)]);
}

void CGridZoom::SetPercent(int percent)
{
    if (percent == m_percent)
        return;
    m_percent = percent;
    Apply();
    Settings::Store().WriteInt(Settings::kZoomPercent, m_percent);
}

void CGridZoom::Apply()
{
    QFont font = m_normalFont;
    const double scale = m_percent / double(kNormal);
    if (m_normalFont.pointSizeF() > 0)
        font.setPointSizeF(m_normalFont.pointSizeF() * scale);
    else
        font.setPixelSize(std::max(1, qRound(m_normalFont.pixelSize() * scale)));
    m_table.SetTextFont(font);
}

// Ctrl with the wheel zooms instead of scrolling, as in browsers and
// spreadsheets. The viewport is known by its address: it still has events
// while the table around it is being destroyed.
bool CGridZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_viewport || event->type() != QEvent::Wheel)
        return false;
    const auto& wheel = static_cast<QWheelEvent&>(*event);
    if (!(wheel.modifiers() & Qt::ControlModifier))
        return false;
    m_wheelTurned += wheel.angleDelta().y();
    const int steps = m_wheelTurned / kWheelNotch;
    m_wheelTurned -= steps * kWheelNotch;
    if (steps != 0)
        Step(steps);
    return true;
}
