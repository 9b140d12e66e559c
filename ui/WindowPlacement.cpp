#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <QtEndian>
#include <array>
#include <utility>

namespace {

constexpr const char* kOrganisation = "VESKAROLIN";
constexpr const char* kApplication = "Panelwright";
constexpr const char* kKey = "Settings/StepchainDlg";

// The words in the order of the record.
template <class P>
auto Words(P& p)
{
    return std::array{&p.length, &p.flags, &p.showCmd, &p.minX, &p.minY, &p.maxX,
                      &p.maxY,   &p.left,  &p.top,     &p.right, &p.bottom};
}
static_assert(std::tuple_size_v<decltype(Words(std::declval<WindowPlacement&>()))> * 4 == WindowPlacement::SIZE);

QList<QRect> ScreenRects()
{
    QList<QRect> rects;
    for (const QScreen* screen : QGuiApplication::screens())
        rects.push_back(screen->availableGeometry());
    return rects;
}

}

QByteArray WindowPlacement::Encode() const
{
    QByteArray bytes(SIZE, '\0');
    const auto words = Words(*this);
    for (size_t i = 0; i < words.size(); ++i)
        qToLittleEndian<int32_t>(*words[i], bytes.data() + 4 * i);
    return bytes;
}

std::optional<WindowPlacement> WindowPlacement::Decode(const QByteArray& bytes)
{
    if (bytes.size() != SIZE)
        return std::nullopt;
    WindowPlacement p;
    const auto words = Words(p);
    for (size_t i = 0; i < words.size(); ++i)
        *words[i] = qFromLittleEndian<int32_t>(bytes.constData() + 4 * i);
    if (p.length != SIZE)
        return std::nullopt;
    return p;
}

bool WindowPlacement::IsUsable(const QList<QRect>& screens) const
{
    if (showCmd == SHOW_MINIMIZED || right <= left || bottom <= top)
        return false;
    const QRect rect = NormalRect();
    for (const QRect& screen : screens) {
        if (screen.intersects(rect))
            return true;
    }
    return false;
}

void SaveWindowPlacement(const QWidget* window)
{
    WindowPlacement p;
    const QRect normal = window->isMaximized() || window->isMinimized() ? window->normalGeometry() : window->geometry();
    p.showCmd = window->isMaximized() ? WindowPlacement::SHOW_MAXIMIZED : WindowPlacement::SHOW_NORMAL;
    p.left = normal.left();
    p.top = normal.top();
    p.right = normal.left() + normal.width();
    p.bottom = normal.top() + normal.height();
    QSettings(kOrganisation, kApplication).setValue(kKey, p.Encode());
}

bool RestoreWindowPlacement(QWidget* window)
{
    const QVariant stored = QSettings(kOrganisation, kApplication).value(kKey);
    const std::optional<WindowPlacement> p = WindowPlacement::Decode(stored.toByteArray());
    if (!p || !p->IsUsable(ScreenRects()))
        return false;
    window->setGeometry(p->NormalRect());
    if (p->showCmd == WindowPlacement::SHOW_MAXIMIZED)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    return true;
}
