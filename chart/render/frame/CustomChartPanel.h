#pragma once

#include "ChartPen.h"
#include "ChartShadow.h"
#include "SetIfChanged.h"
#include "View3DOptions.h"
#include "device/ChartCanvas3D.h"
#include "frame/ChartPanelEvents.h"
#include "frame/CustomPanelNoCaption.h"
#include "frame/PanelTypes.h"

#include <QImage>

#include <functional>

// The chart panel: frame (margins, bevels, border), 3D switch and options, the canvas it paints
// through, and the double-buffered paint. One paint draws everything into the canvas' off-screen
// image and copies it to the window; while the image is current a paint request only copies it.
//
// Paint state (PanelRect, PlotRect and the depth fields) belongs to the last paint and is read by
// the axes, series and walls while the paint runs.
//
// A panel is built with repaints off; TCustomChart switches them on at the end of its
// constructor (a class that derives from the panel levels below it must do the same).
class TCustomChartPanel : public TCustomPanelNoCaption {
public:
    TCustomChartPanel();
    ~TCustomChartPanel() override;

    // --- frame --------------------------------------------------------------------------
    int MarginLeft() const { return marginLeft_; }
    int MarginTop() const { return marginTop_; }
    int MarginRight() const { return marginRight_; }
    int MarginBottom() const { return marginBottom_; }
    void SetMarginLeft(int v) { Change(marginLeft_, v); }
    void SetMarginTop(int v) { Change(marginTop_, v); }
    void SetMarginRight(int v) { Change(marginRight_, v); }
    void SetMarginBottom(int v) { Change(marginBottom_, v); }
    TChartUnits MarginUnits() const { return marginUnits_; }
    void SetMarginUnits(TChartUnits v) { Change(marginUnits_, v); }

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v) { Change(bevelOuter_, v); }
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v) { Change(bevelInner_, v); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v) { Change(bevelWidth_, v); }
    // A band in the panel colour between the outer and the inner bevel.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { Change(borderWidth_, v); }
    // The rectangle around the whole panel; hidden by default.
    TChartHiddenPen& Border() { return border_; }
    const TChartHiddenPen& Border() const { return border_; }
    // Kept for the settings; rounded window regions are not drawn.
    int BorderRound() const { return borderRound_; }
    void SetBorderRound(int v) { Change(borderRound_, v); }
    // Drop shadow of the panel inside its window.
    TChartShadow& Shadow() { return shadow_; }
    const TChartShadow& Shadow() const { return shadow_; }

    // --- 3D -----------------------------------------------------------------------------
    bool View3D() const { return view3D_; }
    // Tells the listeners with a TChartView3DEvent.
    void SetView3D(bool v);
    TView3DOptions& View3DOptions() { return view3DOptions_; }
    const TView3DOptions& View3DOptions() const { return view3DOptions_; }
    bool Monochrome() const { return canvas_.Monochrome(); }
    void SetMonochrome(bool v);

    TChartCanvas3D& Canvas() { return canvas_; }
    const TChartCanvas3D& Canvas() const { return canvas_; }

    // --- painting -----------------------------------------------------------------------
    // The window system's paint request: copies a current image, else draws the chart into
    // the window at the panel rectangle.
    void PaintChart(QImage& window);
    // Draws the whole chart through the canvas into the window at r.
    virtual void DrawChart(QImage& window, const TRect& r);
    // Draws the whole chart at its size as shapes on the device, leaving the window's image as
    // it is.
    void DrawChartOn(TCanvasDevice& device);
    // The area of the window the chart covers.
    virtual TRect GetPanelRect() const { return {0, 0, Width(), Height()}; }
    bool Printing() const { return printing_; }
    // The image changed in place between paints (the zoom rectangle): the window shows it
    // again, which copies it and draws nothing.
    std::function<void()> OnImageChanged;

    // PlotRect from the panel, the frame and the margins.
    void ComputePlotRect();
    // Repairs a PlotRect that room-taking has turned inside out and recomputes the sizes.
    void NormalizePlotRect();
    // The room a layout step answered goes from the plotting rectangle, which is then repaired.
    void TakeRoom(const TRoom& room) {
        SetPlotRect(room.TakenFrom(PlotRect()));
        NormalizePlotRect();
    }

    // --- paint state --------------------------------------------------------------------
    const TRect& PanelRect() const { return panelRect_; }
    TRect PlotRect() const override { return plotRect_; }
    // Replaces the plotting rectangle (without repair) for the steps that take room from it.
    void SetPlotRect(const TRect& r) { plotRect_ = r; }
    int PlotWidth() const { return plotWidth_; }
    int PlotHeight() const { return plotHeight_; }
    int PlotXCenter() const { return plotXCenter_; }
    int PlotYCenter() const { return plotYCenter_; }
    int SeriesDepth() const override { return seriesDepth_; }
    int SeriesDepthRise() const { return seriesDepthRise_; }
    int ChartDepth() const { return chartDepth_; }
    int ChartDepthRise() const { return chartDepthRise_; }
    int MaxZIndex() const { return maxZIndex_; }
    bool SeparateDepthSlots() const { return separateDepthSlots_; }
    void SetSeparateDepthSlots(bool v) { Change(separateDepthSlots_, v); }
    bool ReverseSeriesOrder() const override { return reverseSeriesOrder_; }

    // --- mouse --------------------------------------------------------------------------
    // The window's mouse events in chart pixels. After the chart's own handling each one is
    // broadcast to the listeners as a TChartMouseEvent while any are registered.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    // Set by a listener to stop the broadcast of the current mouse event.
    bool CancelMouse() const { return cancelMouse_; }
    void SetCancelMouse(bool v) { cancelMouse_ = v; }

protected:
    // Everything one paint draws, from the background to the last element.
    virtual void DrawChartContents(const TRect& panelRect) { DrawPanelBackground(panelRect); }
    // Shadow, fill, border and bevels.
    virtual void DrawPanelBackground(const TRect& r);
    virtual void FillPanel(const TRect& r);
    void DrawBorderAndBevels(TRect r);

    // The chart's own mouse handling (zoom and scroll), before the listeners hear of it.
    virtual void ChartMouseDown(TMouseButton, TShiftState, int, int) {}
    virtual void ChartMouseUp(TMouseButton, TShiftState, int, int) {}
    virtual void ChartMouseMove(TShiftState, int, int) {}

    void DoInvalidate() override { canvas_.InvalidateImage(); }

    template <class T> void Change(T& field, const T& value) {
        SetIfChanged(field, value, [this] { Invalidate(); });
    }

    void SetDepths(int seriesDepth, int seriesDepthRise, int chartDepth, int chartDepthRise) {
        seriesDepth_ = seriesDepth;
        seriesDepthRise_ = seriesDepthRise;
        chartDepth_ = chartDepth;
        chartDepthRise_ = chartDepthRise;
    }
    int& MaxZIndexRef() { return maxZIndex_; }
    void SetReverseSeriesOrder(bool v) { reverseSeriesOrder_ = v; }

private:
    void BroadcastMouse(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x,
                        int y);

    TChartCanvas3D canvas_;
    TView3DOptions view3DOptions_;
    TChartHiddenPen border_;
    TChartShadow shadow_;

    int marginLeft_ = 3;
    int marginTop_ = 4;
    int marginRight_ = 3;
    int marginBottom_ = 4;
    TChartUnits marginUnits_ = muPercent;
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    int borderRound_ = 0;
    bool view3D_ = true;
    bool printing_ = false;
    bool cancelMouse_ = false;

    TRect panelRect_;
    TRect plotRect_;
    int plotWidth_ = 0;
    int plotHeight_ = 0;
    int plotXCenter_ = 0;
    int plotYCenter_ = 0;
    int seriesDepth_ = 0;
    int seriesDepthRise_ = 0;
    int chartDepth_ = 0;
    int chartDepthRise_ = 0;
    int maxZIndex_ = 0;
    bool separateDepthSlots_ = true;
    bool reverseSeriesOrder_ = false;
};
