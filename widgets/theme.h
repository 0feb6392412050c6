#pragma once

#include <QColor>
#include <QLatin1StringView>

// The program's colours by meaning. Painting code takes them as QColor (Theme::color), style sheets
// take the names directly as QString::arg arguments. Each name has a light and a dark value and
// reads as the one of the theme in use (setDark), so whatever is built or painted after a switch
// takes the new colours.
namespace Theme {

inline bool darkInUse = false;

inline bool isDark()
{
    return darkInUse;
}

// Only the theme switch calls this; it also re-colours what was already built.
inline void setDark(bool dark)
{
    darkInUse = dark;
}

struct Name
{
    constexpr Name(const char *lightValue, const char *darkValue)
        : light(lightValue)
        , dark(darkValue)
    {}
    operator QLatin1StringView() const { return darkInUse ? dark : light; }

    QLatin1StringView light;
    QLatin1StringView dark;
};

// Names that share a light value share their dark value, and no two light values share a dark
// one: a style sheet built in one theme can then be re-coloured value by value into the other.
// clang-format off
#define VELMORA_THEME_COLOURS(X) \
    X(accent, "#4F46E5", "#716AEA") \
    X(accentHover, "#6366F1", "#8588F4") \
    X(accentPressed, "#4338CA", "#6158D3") \
    X(accentSoft, "#EEF2FF", "#131D40") \
    X(textPrimary, "#172033", "#E4E8F0") \
    X(textSecondary, "#475569", "#A6ACB5") \
    X(textMuted, "#8490A3", "#79808B") \
    X(border, "#E2E7EF", "#303742") \
    X(borderStrong, "#CBD3DF", "#424A56") \
    X(windowBackground, "#F7F8FC", "#15171D") \
    X(surface, "#FFFFFF", "#1C1F26") \
    X(rowSeparator, "#EDF0F5", "#292E38") \
    X(hoverSurface, "#E8EBF2", "#2C313D") \
    X(lightSurface, "#F1F3F8", "#242834") \
    X(viewBackground, "#E9EDF4", "#101216") \
    X(success, "#20A66A", "#27C880") \
    X(warning, "#E89A3C", "#ECAD60") \
    X(danger, "#E05252", "#E67575") \
    /* Window chrome: title bar, tab strip, menus and tool tips. */ \
    X(chromeButtonHover, "#E4E6EB", "#36383F") \
    X(chromeButtonPressed, "#D8DBE0", "#41454A") \
    X(tabCloseHover, "#D8DBE0", "#41454A") \
    X(tabClosePressed, "#C8CCD2", "#4F5358") \
    X(closeButtonHover, "#D94B4B", "#E06D6D") \
    X(closeButtonPressed, "#C93F3F", "#D25F5F") \
    X(tabWidgetBackground, "#F7F8FA", "#22252C") \
    X(paneLine, "#E5E6EB", "#36373E") \
    X(toolTipBackground, "#1D2129", "#E6E9EF") \
    X(menuText, "#4E5969", "#A5AAB1") \
    X(menuSelected, "#E8F1FF", "#142846") \
    X(menuSelectedText, "#165DFF", "#3F79FF") \
    X(menuSeparator, "#EBEDF0", "#303338") \
    /* Message box card. */ \
    X(cardBorder, "#D9DEE7", "#3A404A") \
    X(cardTitle, "#111827", "#CED3DE") \
    X(cardText, "#1F2937", "#C5CBD3") \
    X(cardDetails, "#8A94A6", "#767C87") \
    X(progressTrack, "#E8ECF3", "#2B323D") \
    X(cancelBorder, "#D7DCE5", "#3C424C") \
    X(cancelHover, "#F5F7FA", "#212730") \
    X(cancelPressed, "#ECEFF4", "#2A2F38") \
    X(discardText, "#C9364F", "#D2566B") \
    X(discardBorder, "#F1B7C1", "#6A313A") \
    X(discardHover, "#FFF1F3", "#3D1218") \
    X(discardPressed, "#FFE5E9", "#49151D") \
    X(dangerButton, "#F0445B", "#F36A7C") \
    X(dangerButtonHover, "#E73750", "#EB5B70") \
    X(dangerButtonPressed, "#CF2E45", "#D84E62") \
    /* Kit controls. */ \
    X(kitText, "#1A1A1A", "#D7D7D7") \
    X(kitDivider, "#E5E6EB", "#36373E") \
    X(kitHover, "#F2F3F5", "#2A2C30") \
    X(kitHoverBorder, "#C9CDD4", "#4D5157") \
    X(kitSelected, "#E8F1FF", "#142846") \
    X(kitSelectedHover, "#DCE9FF", "#172D51") \
    X(kitSelectedBorder, "#165DFF", "#3F79FF") \
    X(kitCardBorder, "#DDDDDD", "#454545") \
    /* Home tab: side navigation, search field and recent files table. */ \
    X(destinationHover, "#DCE9FF", "#172D51") \
    X(homeDivider, "#E5E6EB", "#36373E") \
    X(searchBorder, "#E5E6EB", "#36373E") \
    X(searchHoverBorder, "#C9CDD4", "#4D5157") \
    X(searchFocusBorder, "#165DFF", "#3F79FF") \
    X(searchText, "#1D2129", "#E6E9EF") \
    X(tableHeaderText, "#888888", "#8B8B8B") \
    /* Page organiser: thumbnail strip, page grid and operation side panel. */ \
    X(dropZoneBorder, "#4F7DFF", "#789BFF") \
    X(dropZoneActive, "#E2E9FF", "#16234B") \
    X(dropZoneActiveBorder, "#2559EB", "#4A75EE") \
    X(thumbnailPlaceholder, "#F5F6F9", "#23262E") \
    X(pageGridBackground, "#FAFBFC", "#1F2328") \
    X(pageCardFill, "#F7F7F8", "#27272A") \
    X(pageMarker, "#125BF5", "#3976F7") \
    X(splitLineIdle, "#4074EC", "#658FF0") \
    X(splitMarkerIdle, "#486BC9", "#6884D2") \
    X(zoomControlBackground, "#191919", "#191919") \
    X(zoomControlBorder, "#323232", "#323232") \
    X(zoomButtonHover, "#333333", "#333333") \
    X(zoomButtonPressed, "#474747", "#474747") \
    X(zoomTrack, "#4C4C4C", "#4C4C4C") \
    X(primaryAction, "#125BF5", "#3976F7") \
    X(primaryActionHover, "#0D4DDB", "#1F61F2") \
    X(primaryActionDisabled, "#D5D8DE", "#43464D") \
    X(optionDisabledText, "#B4BBC7", "#5A5F68") \
    X(optionDisabledBackground, "#F7F8FA", "#22252C") \
    /* Tool pages: file and task lists, drop zone, location menu, option panels. */ \
    X(dropZoneFill, "#FAFBFC", "#1F2328") \
    X(listRowBorder, "#EBEDF0", "#303338") \
    X(listRowHover, "#F7F8FA", "#22252C") \
    X(listSelectedText, "#1D2129", "#E6E9EF") \
    X(scrollHandle, "#C9CDD4", "#4D5157") \
    X(scrollHandleHover, "#86909C", "#7E848A") \
    X(dragRowBorder, "#C7D2FE", "#1E2B61") \
    X(rowButtonHover, "#F0F0F1", "#303032") \
    X(openButtonHover, "#F2F7FF", "#11223C") \
    X(openButtonHoverBorder, "#4080FF", "#699BFF") \
    X(errorText, "#F53F3F", "#F76666") \
    X(locationMenuSelectedText, "#2559EB", "#4A75EE") \
    /* Account dialog. */ \
    X(accountText, "#1D2129", "#E6E9EF") \
    X(accountNoteText, "#4E5969", "#A5AAB1") \
    X(accountNoteBackground, "#F2F7FF", "#11223C") \
    X(accountNoteBorder, "#D9E8FF", "#182F53") \
    X(accountError, "#B42318", "#D82A1D") \
    X(accountFieldBorder, "#D8DEE8", "#39404B") \
    X(accountPrimary, "#165DFF", "#3F79FF") \
    X(accountPrimaryHover, "#0E4ED8", "#1E61F0") \
    X(accountButtonHover, "#F5F7FA", "#212730") \
    X(accountDisabledText, "#9CA3AF", "#6E737B") \
    X(accountDisabledBackground, "#F3F4F6", "#282B2F") \
    /* Language dialog. */ \
    X(languageCardBorder, "#DDE2EA", "#363D47") \
    X(languageChoiceText, "#283347", "#BBC1CC") \
    X(languageChoiceBorder, "#E0E5ED", "#333944") \
    X(languageChoiceHover, "#F7F7FF", "#101037") \
    X(languageChoiceHoverBorder, "#B8B3F5", "#322D6E") \
    X(languageChoiceChecked, "#F2F1FF", "#15123D") \
    X(languageCancelText, "#334155", "#B3BAC4") \
    X(languageCancelBorder, "#D8DEE8", "#39404B") \
    X(languageCancelHover, "#F4F6F9", "#232830") \
    /* PDF viewer: document view, top tool bar and the floating bottom bar. */ \
    X(pageShadow, "#200F172A", "#66000000")  /* RGBA(15, 23, 42, 32) as #AARRGGBB */ \
    X(viewScrollHandle, "#B8C0CE", "#535A65") \
    X(viewScrollHandleHover, "#98A3B5", "#6A717D") \
    X(toolChecked, "#E8F0FF", "#142646") \
    X(toolCheckedText, "#2559EB", "#4A75EE") \
    X(toolCheckedBorder, "#D7E3FF", "#192B55") \
    X(toolDisabledText, "#C5CBD5", "#4C525B") \
    X(viewModeBorder, "#DCE1E8", "#393F47") \
    X(viewModeHover, "#F1F4F9", "#222935") \
    X(viewModeChecked, "#E5EEFF", "#152749") \
    X(toolsButtonText, "#17191E", "#D4D6DA") \
    X(toolsButton, "#F4F4F5", "#2B2B2D") \
    X(toolsButtonHover, "#EDEEF1", "#2F3136") \
    X(toolsButtonPressed, "#E4E6EA", "#373A3F") \
    X(barBackground, "#18191C", "#18191C") \
    X(barBorder, "#303136", "#303136") \
    X(barControl, "#4A4C50", "#4A4C50") \
    X(barControlEdge, "#242529", "#242529") \
    X(barControlHover, "#606267", "#606267") \
    X(barSelection, "#6B6D73", "#6B6D73") \
    X(barSeparator, "#3A3B40", "#3A3B40") \
    X(barToggleHover, "#34363C", "#34363C") \
    X(zoomComboBorder, "#C9CBD1", "#505257") \
    X(zoomComboSelection, "#DCE7FF", "#172951") \
    X(zoomPopupText, "#20242C", "#CCCED3") \
    X(zoomPopupBorder, "#D9DDE5", "#3C414A") \
    X(zoomPopupSelectedText, "#245DE8", "#4978EC") \
    X(zoomPopupSelected, "#EAF0FF", "#142244")

// clang-format on

#define VELMORA_THEME_NAME(name, light, dark) inline constexpr Name name{light, dark};
VELMORA_THEME_COLOURS(VELMORA_THEME_NAME)
#undef VELMORA_THEME_NAME

#define VELMORA_THEME_ENTRY(name, light, dark) name,
inline constexpr Name all[] = {VELMORA_THEME_COLOURS(VELMORA_THEME_ENTRY)};
#undef VELMORA_THEME_ENTRY

inline QColor color(QLatin1StringView value)
{
    return QColor(value);
}

} // namespace Theme
