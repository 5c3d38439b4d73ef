#include "CanvasFixture.h"
#include "ChartFont.h"
#include "ChartGradient.h"
#include "ColorOps.h"
#include "View3DOptions.h"

#include <cmath>

TEST(ColorOps, DarkenAndBrightenClampEachChannel) {
    struct Case {
        TColor in;
        int amount;
        TColor darker, brighter;
    };
    const Case cases[] = {
        {0xC0C0C0, 64, 0x808080, 0xFFFFFF},
        {0x404040, 128, 0x000000, 0xC0C0C0},
        {0xAAAAAA, 85, 0x555555, 0xFFFFFF},
        {0x10FF40, 0x40, 0x00BF00, 0x50FF80}, // channels clamp independently
        {0x404040, 0x40, 0x000000, 0x808080}, // channel equal to the amount goes to 0
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Darken(c.in, c.amount), c.darker) << std::hex << c.in;
        EXPECT_EQ(Brighten(c.in, c.amount), c.brighter) << std::hex << c.in;
    }
}

TEST(ChartGradientData, MidColorReadsNoneUntilSetAndNoneRemovesIt) {
    TChartGradient g;
    int changes = 0;
    g.OnChange = [&] { ++changes; };
    EXPECT_EQ(g.MidColor(), clNone);
    EXPECT_FALSE(g.HasMidColor());
    g.SetMidColor(clRed);
    EXPECT_TRUE(g.HasMidColor());
    EXPECT_EQ(g.MidColor(), clRed);
    g.SetMidColor(clRed); // same value: no notification
    g.SetMidColor(clNone);
    EXPECT_FALSE(g.HasMidColor());
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(g.StartColor(), clWhite);
    EXPECT_EQ(g.EndColor(), clYellow);
    EXPECT_EQ(g.Direction(), gdTopBottom);
    EXPECT_EQ(g.Balance(), 50);
    EXPECT_FALSE(g.Visible());
}

TEST(ChartFontData, PartsAreCreatedOnDemandAndReportChangesToTheOwner) {
    TChartFont f;
    int changes = 0;
    f.OnChange = [&] { ++changes; };
    EXPECT_EQ(f.Name(), "Arial");
    EXPECT_EQ(f.Size(), 8);
    EXPECT_FALSE(f.HasShadow());
    f.Shadow().SetHorizSize(2);
    EXPECT_TRUE(f.HasShadow());
    EXPECT_EQ(changes, 1);

    TChartFont copy = f; // the copy's parts report to the copy, not to f's owner
    copy.Shadow().SetVertSize(4);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.ShadowIfAny()->HorizSize(), 2);
    EXPECT_EQ(f.ShadowIfAny()->VertSize(), 0);
}

namespace {

// `change(attribute, n)` sets a value that differs for every n; `value(attribute)` reads it.
template <class T, class Change, class Value>
void ExpectCopiesCarryValuesNotCallbacks(Change change, Value value) {
    int ownerCalls = 0;
    T owned;
    owned.OnChange = [&] { ++ownerCalls; };
    change(owned, 1);
    ASSERT_EQ(ownerCalls, 1);

    T copy = owned;
    EXPECT_EQ(value(copy), value(owned));
    change(copy, 2); // the copy's change does not reach the original's owner
    EXPECT_EQ(ownerCalls, 1);

    int otherCalls = 0;
    T other;
    other.OnChange = [&] { ++otherCalls; };
    other = copy;
    EXPECT_EQ(value(other), value(copy));
    change(other, 3); // an attribute assigned to still tells its own owner
    EXPECT_EQ(otherCalls, 1);
    EXPECT_EQ(ownerCalls, 1);
}

} // namespace

TEST(NotifyingAttributes, ACopyTakesTheValueNeverTheOwnersCallback) {
    ExpectCopiesCarryValuesNotCallbacks<TChartPen>([](TChartPen& a, int n) { a.SetWidth(n + 1); },
                                                   [](const TChartPen& a) { return a.Width(); });
    ExpectCopiesCarryValuesNotCallbacks<TChartBrush>(
        [](TChartBrush& a, int n) { a.SetColor(TColor(n)); },
        [](const TChartBrush& a) { return a.Color(); });
    ExpectCopiesCarryValuesNotCallbacks<TChartGradient>(
        [](TChartGradient& a, int n) { a.SetEndColor(TColor(n)); },
        [](const TChartGradient& a) { return a.EndColor(); });
    ExpectCopiesCarryValuesNotCallbacks<TChartShadow>(
        [](TChartShadow& a, int n) { a.SetHorizSize(n + 5); },
        [](const TChartShadow& a) { return a.HorizSize(); });
    ExpectCopiesCarryValuesNotCallbacks<TView3DOptions>(
        [](TView3DOptions& a, int n) { a.SetOrthoAngle(n + 50); },
        [](const TView3DOptions& a) { return a.OrthoAngle(); });
}

TEST(View3DOptionsData, OrthoFactorFoldsAnglesAboveNinety) {
    TView3DOptions o;
    EXPECT_NEAR(o.OrthoFactor(), 1.0, 1e-12);
    o.SetOrthoAngle(135);
    EXPECT_NEAR(o.OrthoFactor(), 1.0, 1e-12);
    o.SetOrthoAngle(30);
    EXPECT_NEAR(o.OrthoFactor(), std::tan(30 * M_PI / 180), 1e-12);
    o.SetOrthogonal(false);
    EXPECT_EQ(o.OrthoFactor(), 1.0);

    int changes = 0, scrolls = 0;
    o.OnChange = [&] { ++changes; };
    o.OnScroll = [&] { ++scrolls; };
    o.SetHorizOffset(5);
    o.SetHorizOffset(5);
    o.SetZoom(150);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(scrolls, 1);
}

using Attributes = CanvasFixture;

TEST_F(Attributes, PenSelection) {
    TChartPen pen(clRed);
    pen.SetWidth(3);
    pen.SetEndStyle(esFlat);
    canvas.SelectPen(pen);
    EXPECT_EQ(canvas.PenColor(), clRed);
    EXPECT_EQ(canvas.PenWidth(), 3);
    EXPECT_EQ(canvas.PenEndStyle(), esFlat);

    canvas.SelectPen(pen, clBtnShadow); // system colours are resolved through the table
    EXPECT_EQ(canvas.PenColor(), SystemColor(16));

    canvas.SelectPen(TChartHiddenPen());
    EXPECT_EQ(canvas.PenStyle(), psClear);
    EXPECT_EQ(canvas.PenWidth(), 3); // a hidden pen changes nothing but the style
}

TEST_F(Attributes, BrushSelectionSetsTheBackgroundModeFromTheBackColour) {
    TChartBrush brush(clBlue, bsCross);
    canvas.SelectBrush(brush, clLime, clNone);
    EXPECT_EQ(canvas.BrushColor(), clLime);
    EXPECT_EQ(canvas.BrushStyle(), bsCross);
    EXPECT_EQ(canvas.BackMode(), cbmTransparent);
    canvas.SelectBrush(brush, clLime, clYellow);
    EXPECT_EQ(canvas.BackMode(), cbmOpaque);
    EXPECT_EQ(canvas.BackColor(), clYellow);

    // Darkening a hatched brush darkens its background; a solid brush its own colour.
    canvas.DarkenBrush(0xC0C0C0, DarkenAmount);
    EXPECT_EQ(canvas.BackColor(), 0x808080u);
    EXPECT_EQ(canvas.BrushColor(), clLime);
    canvas.SetBrushStyle(bsSolid);
    canvas.DarkenBrush(0xC0C0C0, SideDarkenAmount);
    EXPECT_EQ(canvas.BrushColor(), 0x404040u);
}

TEST_F(Attributes, ResetCanvasRestoresThePaintDefaults) {
    TChartFont font;
    font.SetSize(20);
    canvas.SelectFont(font);
    canvas.SelectPen(TChartPen(clRed));
    canvas.SetPenWidth(4);
    canvas.SetBrushColor(clRed);
    canvas.SetBackMode(cbmOpaque);
    canvas.SetTextAlign(taRight | taBottom);
    canvas.ResetCanvas();
    EXPECT_EQ(canvas.PenColor(), clBlack);
    EXPECT_EQ(canvas.PenWidth(), 1);
    EXPECT_EQ(canvas.PenStyle(), psSolid);
    EXPECT_EQ(canvas.BrushColor(), clWhite);
    EXPECT_EQ(canvas.BrushStyle(), bsSolid);
    EXPECT_EQ(canvas.BackColor(), clWhite);
    EXPECT_EQ(canvas.BackMode(), cbmTransparent);
    EXPECT_EQ(canvas.TextAlign(), unsigned(taLeft | taTop));
    EXPECT_EQ(canvas.CurrentFont(), nullptr);
    EXPECT_EQ(canvas.FontSize(), 8);
    EXPECT_EQ(canvas.Font().pixelSize(), 11);
}
