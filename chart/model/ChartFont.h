#pragma once

#include "ChangeNotifier.h"
#include "ChartColor.h"
#include "ChartGradient.h"
#include "ChartPen.h"
#include "ChartShadow.h"

#include <functional>
#include <memory>
#include <string>

// Font styles combine as bit flags.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

inline constexpr const char* DefaultFontName = "Arial";
inline constexpr int DefaultFontSize = 8; // points
inline constexpr int DefaultCharset = 1;

// The font of a chart element. The outline, shadow and gradient exist only once asked for;
// none of them changes how text is drawn unless it is made visible or given a size.
// Any change, including one of those parts, tells the owner.
class TChartFont : public TChangeNotifier {
public:
    TChartFont() = default;
    TChartFont(const TChartFont& other) : TChangeNotifier() { CopyFrom(other); }
    TChartFont& operator=(const TChartFont& other) {
        if (this != &other) {
            CopyFrom(other);
            Changed();
        }
        return *this;
    }
    ~TChartFont() = default;

    const std::string& Name() const { return name_; }
    int Size() const { return size_; }
    TColor Color() const { return color_; }
    TFontStyles Style() const { return style_; }
    int Charset() const { return charset_; }
    int InterCharSize() const { return interCharSize_; }

    void SetName(const std::string& v) { Set(name_, v); }
    void SetSize(int v) { Set(size_, v); }
    void SetColor(TColor v) { Set(color_, v); }
    void SetStyle(TFontStyles v) { Set(style_, v); }
    void SetCharset(int v) { Set(charset_, v); }
    void SetInterCharSize(int v) { Set(interCharSize_, v); }

    bool HasOutLine() const { return bool(outLine_); }
    bool HasShadow() const { return bool(shadow_); }
    bool HasGradient() const { return bool(gradient_); }

    TChartHiddenPen& OutLine() {
        if (!outLine_)
            outLine_ = Wired(std::make_unique<TChartHiddenPen>());
        return *outLine_;
    }
    TChartShadow& Shadow() {
        if (!shadow_)
            shadow_ = Wired(std::make_unique<TChartShadow>());
        return *shadow_;
    }
    TChartGradient& Gradient() {
        if (!gradient_)
            gradient_ = Wired(std::make_unique<TChartGradient>());
        return *gradient_;
    }
    // Read-only views that never create the part: null while it does not exist.
    const TChartPen* OutLineIfAny() const { return outLine_.get(); }
    const TChartShadow* ShadowIfAny() const { return shadow_.get(); }
    const TChartGradient* GradientIfAny() const { return gradient_.get(); }

    void Assign(const TChartFont& other) { *this = other; }

private:
    template <class P> std::unique_ptr<P> Wired(std::unique_ptr<P> part) {
        part->OnChange = [this] { Changed(); };
        return part;
    }
    template <class P> std::unique_ptr<P> CopyPart(const std::unique_ptr<P>& source) {
        if (!source)
            return nullptr;
        auto part = std::make_unique<P>();
        part->Assign(*source);
        return Wired(std::move(part));
    }
    void CopyFrom(const TChartFont& other) {
        name_ = other.name_;
        size_ = other.size_;
        color_ = other.color_;
        style_ = other.style_;
        charset_ = other.charset_;
        interCharSize_ = other.interCharSize_;
        outLine_ = CopyPart(other.outLine_);
        shadow_ = CopyPart(other.shadow_);
        gradient_ = CopyPart(other.gradient_);
    }

    std::string name_ = DefaultFontName;
    int size_ = DefaultFontSize;
    TColor color_ = clBlack;
    TFontStyles style_ = 0;
    int charset_ = DefaultCharset;
    int interCharSize_ = 0;
    std::unique_ptr<TChartHiddenPen> outLine_;
    std::unique_ptr<TChartShadow> shadow_;
    std::unique_ptr<TChartGradient> gradient_;
};
