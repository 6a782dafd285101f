#include "ink.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace frame {

namespace {

// The text colours of the light scheme the windows were laid out in: black,
// and Qt's own grey for a control that is switched off.
const QColor kLayoutText(0, 0, 0);
const QColor kLayoutDisabledText(190, 190, 190);

double channel(int v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) +
           0.0722 * channel(rgb.blue());
}

QColor mix(const QColor& from, const QColor& to, double t) {
    auto m = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(m(from.red(), to.red()), m(from.green(), to.green()), m(from.blue(), to.blue()));
}

struct Pair {
    QPalette::ColorRole back;
    QPalette::ColorRole text;
};

// The backgrounds a theme paints and the text colour it pairs with each.
constexpr Pair kSystemPairs[] = {{QPalette::Button, QPalette::ButtonText},
                                 {QPalette::Window, QPalette::WindowText},
                                 {QPalette::Base, QPalette::Text},
                                 {QPalette::AlternateBase, QPalette::Text}};

}  // namespace

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& back, std::initializer_list<QColor> wanted, double minimum) {
    QColor best = wanted.size() ? *wanted.begin() : QColor(Qt::black);
    for (const QColor& c : wanted) {
        if (contrast(c, back) >= minimum) return c;
        if (contrast(c, back) > contrast(best, back)) best = c;
    }
    const QColor pole = contrast(Qt::black, back) >= contrast(Qt::white, back) ? QColor(Qt::black)
                                                                               : QColor(Qt::white);
    // Bisect the way towards the pole for the nearest colour that is enough,
    // with a little to spare for the rounding of anti-aliased glyph edges.
    const double goal = std::min(minimum + 0.15, contrast(pole, back));
    double lo = 0, hi = 1;
    for (int i = 0; i < 16; ++i) {
        const double t = (lo + hi) / 2;
        (contrast(mix(best, pole, t), back) >= goal ? hi : lo) = t;
    }
    return mix(best, pole, hi);
}

QColor readableOn(const QList<QColor>& backs, std::initializer_list<QColor> wanted,
                  double minimum) {
    for (const QColor& c : wanted)
        if (std::all_of(backs.begin(), backs.end(),
                        [&](const QColor& b) { return contrast(c, b) >= minimum; }))
            return c;
    if (backs.isEmpty()) return wanted.size() ? *wanted.begin() : QColor(Qt::black);
    // Each step only moves further from the backgrounds' common side.
    QColor c = readableOn(backs.front(), wanted, minimum);
    for (const QColor& b : backs) c = readableOn(b, {c}, minimum);
    return c;
}

namespace {

struct Ink {
    QColor text;
    QColor disabled;
};

const Pair* systemPair(const QColor& behind) {
    const QPalette system = QGuiApplication::palette();
    for (const Pair& pair : kSystemPairs)
        if (system.color(QPalette::Active, pair.back).rgb() == behind.rgb()) return &pair;
    return nullptr;
}

Ink inkPair(const QColor& behind) {
    if (const Pair* pair = systemPair(behind)) {
        const QPalette system = QGuiApplication::palette();
        return {system.color(QPalette::Active, pair->text),
                system.color(QPalette::Disabled, pair->text)};
    }
    return {kLayoutText, kLayoutDisabledText};
}

}  // namespace

bool systemGives(const QColor& behind) {
    return systemPair(behind) != nullptr;
}

QPalette lightScheme(QPalette own) {
    // Qt's own light scheme, the one the default desktop gives.
    struct Role {
        QPalette::ColorRole role;
        QRgb on, off;  // enabled (active and inactive), switched off
    };
    constexpr Role kRoles[] = {
        {QPalette::Base, 0xffffff, 0xefefef},   {QPalette::Text, 0x000000, 0xbebebe},
        {QPalette::Button, 0xefefef, 0xefefef}, {QPalette::ButtonText, 0x000000, 0xbebebe},
        {QPalette::Light, 0xffffff, 0xffffff},  {QPalette::Midlight, 0xcacaca, 0xcacaca},
        {QPalette::Mid, 0xb8b8b8, 0xb8b8b8},    {QPalette::Dark, 0x9f9f9f, 0xbebebe},
        {QPalette::Shadow, 0x767676, 0xb1b1b1}, {QPalette::BrightText, 0xffffff, 0xffffff}};
    // Window and WindowText are not among them: what the control stands on
    // (the layout's colour) and its caption's ink stay its own.
    for (const Role& r : kRoles) {
        own.setColor(QPalette::Active, r.role, QColor(r.on));
        own.setColor(QPalette::Inactive, r.role, QColor(r.on));
        own.setColor(QPalette::Disabled, r.role, QColor(r.off));
    }
    return own;
}

QColor inkFor(const QColor& behind) {
    return readableOn(behind, {inkPair(behind).text}, kTextContrast);
}

void inkOn(QWidget* w, QPalette::ColorRole role, const QColor& behind, bool greyWhenOff) {
    const QColor text = inkFor(behind);
    // Qt's own greys sit too close to a white or button-face surface for a
    // child to read which option is set: darkened just enough, still grey.
    const QColor disabled =
        greyWhenOff ? readableOn(behind, {inkPair(behind).disabled}, kDisabledContrast) : text;
    QPalette p = w->palette();
    p.setColor(QPalette::Active, role, text);
    p.setColor(QPalette::Inactive, role, text);
    p.setColor(QPalette::Disabled, role, disabled);
    w->setPalette(p);
}

}  // namespace frame
