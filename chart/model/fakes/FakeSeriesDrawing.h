#pragma once

#include "SeriesDrawing.h"

#include <cstdio>
#include <string>
#include <vector>

// Records what a series draws, one line per call with the pen and brush colours in force:
// "plane (10,20)-(30,40) z 0..15 pen 0 brush ff9999". Projection shifts by (z, -z).
class FakeSeriesDrawing : public TSeriesDrawing {
public:
    bool is3D = true;
    bool orthogonal = true;
    bool monochrome = false;
    std::vector<std::string> calls;

    bool Is3D() const override { return is3D; }
    bool Orthogonal() const override { return orthogonal; }
    bool Monochrome() const override { return monochrome; }
    TPoint ProjectPoint(TPoint p, int z) const override { return {p.x + z, p.y - z}; }
    bool ShiftsAtDepth(int) const override { return true; }

    void SelectPen(const TChartPen& pen) override { SelectPen(pen, pen.Color()); }
    void SelectPen(const TChartPen& pen, TColor color) override {
        penColor_ = color;
        penWidth_ = pen.Visible() ? pen.Width() : 0;
    }
    TColor PenColor() const override { return penColor_; }
    void SetPenColor(TColor color) override { penColor_ = color; }
    void SelectBrush(const TChartBrush& brush, TColor color, TColor) override {
        brushColor_ = color;
        brushStyle_ = brush.Style();
    }
    TColor BrushColor() const override { return brushColor_; }
    void SetBrushColor(TColor color) override { brushColor_ = color; }
    void SetBrushStyle(TBrushStyle style) override { brushStyle_ = style; }
    TBrushStyle BrushStyle() const { return brushStyle_; }
    int PenWidth() const { return penWidth_; }

    void Line(TPoint a, TPoint b) override { Record("line " + Pt(a) + "-" + Pt(b)); }
    void Rectangle(const TRect& r) override { Record("rect " + Rc(r)); }
    void PlaneBetween(TPoint a, TPoint b, int z0, int z1) override {
        Record("plane " + Pt(a) + "-" + Pt(b) + Depth(z0, z1));
    }
    void Box(const TRect& r, int z0, int z1, bool darkSides) override {
        Record("box " + Rc(r) + Depth(z0, z1) + (darkSides ? " dark" : ""));
    }
    void GradientBox(const TCustomChartGradient& g, const TRect& r, int z) override {
        Record("gradient " + Rc(r) + " z " + std::to_string(z) + " to " + Hex(g.EndColor()));
    }
    void DrawLineSeries(const TCustomSeries&) override { Record("line series"); }
    void DrawBarSeries(const TBarSeries&) override { Record("bar series"); }

private:
    static std::string Pt(TPoint p) {
        return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    }
    static std::string Rc(const TRect& r) {
        return Pt({r.left, r.top}) + "-" + Pt({r.right, r.bottom});
    }
    static std::string Depth(int z0, int z1) {
        return " z " + std::to_string(z0) + ".." + std::to_string(z1);
    }
    static std::string Hex(TColor c) {
        char text[16];
        std::snprintf(text, sizeof text, "%x", unsigned(c));
        return text;
    }
    void Record(const std::string& what) {
        calls.push_back(what + " pen " + Hex(penColor_) + " brush " + Hex(brushColor_));
    }

    TColor penColor_ = clBlack;
    int penWidth_ = 1;
    TColor brushColor_ = clWhite;
    TBrushStyle brushStyle_ = bsSolid;
};
