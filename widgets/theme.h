#pragma once

#include <QColor>
#include <QLatin1StringView>

// The program's colours by meaning. Painting code takes them as QColor (Theme::color), style sheets
// take the names directly as QString::arg arguments.
namespace Theme {

using Name = QLatin1StringView;

// The palette every part of the program shares.
inline constexpr Name accent{"#4F46E5"};
inline constexpr Name accentHover{"#6366F1"};
inline constexpr Name accentPressed{"#4338CA"};
inline constexpr Name accentSoft{"#EEF2FF"};
inline constexpr Name textPrimary{"#172033"};
inline constexpr Name textSecondary{"#475569"};
inline constexpr Name textMuted{"#8490A3"};
inline constexpr Name border{"#E2E7EF"};
inline constexpr Name borderStrong{"#CBD3DF"};
inline constexpr Name windowBackground{"#F7F8FC"};
inline constexpr Name surface{"#FFFFFF"};
inline constexpr Name rowSeparator{"#EDF0F5"};
inline constexpr Name hoverSurface{"#E8EBF2"};
inline constexpr Name lightSurface{"#F1F3F8"};
inline constexpr Name viewBackground{"#E9EDF4"};
inline constexpr Name success{"#20A66A"};
inline constexpr Name warning{"#E89A3C"};
inline constexpr Name danger{"#E05252"};

// Window chrome: title bar, tab strip, menus and tool tips.
inline constexpr Name chromeButtonHover{"#E4E6EB"};
inline constexpr Name chromeButtonPressed{"#D8DBE0"};
inline constexpr Name tabCloseHover{"#D8DBE0"};
inline constexpr Name tabClosePressed{"#C8CCD2"};
inline constexpr Name closeButtonHover{"#D94B4B"};
inline constexpr Name closeButtonPressed{"#C93F3F"};
inline constexpr Name tabWidgetBackground{"#F7F8FA"};
inline constexpr Name paneLine{"#E5E6EB"};
inline constexpr Name toolTipBackground{"#1D2129"};
inline constexpr Name menuText{"#4E5969"};
inline constexpr Name menuSelected{"#E8F1FF"};
inline constexpr Name menuSelectedText{"#165DFF"};
inline constexpr Name menuSeparator{"#EBEDF0"};

// Message box card.
inline constexpr Name cardBorder{"#D9DEE7"};
inline constexpr Name cardTitle{"#111827"};
inline constexpr Name cardText{"#1F2937"};
inline constexpr Name cardDetails{"#8A94A6"};
inline constexpr Name progressTrack{"#E8ECF3"};
inline constexpr Name cancelBorder{"#D7DCE5"};
inline constexpr Name cancelHover{"#F5F7FA"};
inline constexpr Name cancelPressed{"#ECEFF4"};
inline constexpr Name discardText{"#C9364F"};
inline constexpr Name discardBorder{"#F1B7C1"};
inline constexpr Name discardHover{"#FFF1F3"};
inline constexpr Name discardPressed{"#FFE5E9"};
inline constexpr Name dangerButton{"#F0445B"};
inline constexpr Name dangerButtonHover{"#E73750"};
inline constexpr Name dangerButtonPressed{"#CF2E45"};

// Kit controls.
inline constexpr Name kitText{"#1A1A1A"};
inline constexpr Name kitDivider{"#E5E6EB"};
inline constexpr Name kitHover{"#F2F3F5"};
inline constexpr Name kitHoverBorder{"#C9CDD4"};
inline constexpr Name kitSelected{"#E8F1FF"};
inline constexpr Name kitSelectedHover{"#DCE9FF"};
inline constexpr Name kitSelectedBorder{"#165DFF"};
inline constexpr Name kitCardBorder{"#DDDDDD"};

// Home tab: side navigation, search field and recent files table.
inline constexpr Name destinationHover{"#DCE9FF"};
inline constexpr Name homeDivider{"#E5E6EB"};
inline constexpr Name searchBorder{"#E5E6EB"};
inline constexpr Name searchHoverBorder{"#C9CDD4"};
inline constexpr Name searchFocusBorder{"#165DFF"};
inline constexpr Name searchText{"#1D2129"};
inline constexpr Name tableHeaderText{"#888888"};

// Page organiser: thumbnail strip, page grid and operation side panel.
inline constexpr Name dropZoneBorder{"#4F7DFF"};
inline constexpr Name dropZoneActive{"#E2E9FF"};
inline constexpr Name dropZoneActiveBorder{"#2559EB"};
inline constexpr Name thumbnailPlaceholder{"#F5F6F9"};
inline constexpr Name pageGridBackground{"#FAFBFC"};
inline constexpr Name pageCardFill{"#F7F7F8"};
inline constexpr Name pageMarker{"#125BF5"};
inline constexpr Name splitLineIdle{"#4074EC"};
inline constexpr Name splitMarkerIdle{"#486BC9"};
inline constexpr Name zoomControlBackground{"#191919"};
inline constexpr Name zoomControlBorder{"#323232"};
inline constexpr Name zoomButtonHover{"#333333"};
inline constexpr Name zoomButtonPressed{"#474747"};
inline constexpr Name zoomTrack{"#4C4C4C"};
inline constexpr Name primaryAction{"#125BF5"};
inline constexpr Name primaryActionHover{"#0D4DDB"};
inline constexpr Name primaryActionDisabled{"#D5D8DE"};
inline constexpr Name optionDisabledText{"#B4BBC7"};
inline constexpr Name optionDisabledBackground{"#F7F8FA"};

// Tool pages: file and task lists, drop zone, location menu, option panels.
inline constexpr Name dropZoneFill{"#FAFBFC"};
inline constexpr Name listRowBorder{"#EBEDF0"};
inline constexpr Name listRowHover{"#F7F8FA"};
inline constexpr Name listSelectedText{"#1D2129"};
inline constexpr Name scrollHandle{"#C9CDD4"};
inline constexpr Name scrollHandleHover{"#86909C"};
inline constexpr Name dragRowBorder{"#C7D2FE"};
inline constexpr Name rowButtonHover{"#F0F0F1"};
inline constexpr Name openButtonHover{"#F2F7FF"};
inline constexpr Name openButtonHoverBorder{"#4080FF"};
inline constexpr Name errorText{"#F53F3F"};
inline constexpr Name locationMenuSelectedText{"#2559EB"};

// Account dialog.
inline constexpr Name accountText{"#1D2129"};
inline constexpr Name accountNoteText{"#4E5969"};
inline constexpr Name accountNoteBackground{"#F2F7FF"};
inline constexpr Name accountNoteBorder{"#D9E8FF"};
inline constexpr Name accountError{"#B42318"};
inline constexpr Name accountFieldBorder{"#D8DEE8"};
inline constexpr Name accountPrimary{"#165DFF"};
inline constexpr Name accountPrimaryHover{"#0E4ED8"};
inline constexpr Name accountButtonHover{"#F5F7FA"};
inline constexpr Name accountDisabledText{"#9CA3AF"};
inline constexpr Name accountDisabledBackground{"#F3F4F6"};

// Language dialog.
inline constexpr Name languageCardBorder{"#DDE2EA"};
inline constexpr Name languageChoiceText{"#283347"};
inline constexpr Name languageChoiceBorder{"#E0E5ED"};
inline constexpr Name languageChoiceHover{"#F7F7FF"};
inline constexpr Name languageChoiceHoverBorder{"#B8B3F5"};
inline constexpr Name languageChoiceChecked{"#F2F1FF"};
inline constexpr Name languageCancelText{"#334155"};
inline constexpr Name languageCancelBorder{"#D8DEE8"};
inline constexpr Name languageCancelHover{"#F4F6F9"};
// PDF viewer: document view, top tool bar and the floating bottom bar.
inline constexpr Name pageShadow{"#200F172A"}; // RGBA(15, 23, 42, 32) as #AARRGGBB
inline constexpr Name viewScrollHandle{"#B8C0CE"};
inline constexpr Name viewScrollHandleHover{"#98A3B5"};
inline constexpr Name toolChecked{"#E8F0FF"};
inline constexpr Name toolCheckedText{"#2559EB"};
inline constexpr Name toolCheckedBorder{"#D7E3FF"};
inline constexpr Name toolDisabledText{"#C5CBD5"};
inline constexpr Name viewModeBorder{"#DCE1E8"};
inline constexpr Name viewModeHover{"#F1F4F9"};
inline constexpr Name viewModeChecked{"#E5EEFF"};
inline constexpr Name toolsButtonText{"#17191E"};
inline constexpr Name toolsButton{"#F4F4F5"};
inline constexpr Name toolsButtonHover{"#EDEEF1"};
inline constexpr Name toolsButtonPressed{"#E4E6EA"};
inline constexpr Name barBackground{"#18191C"};
inline constexpr Name barBorder{"#303136"};
inline constexpr Name barControl{"#4A4C50"};
inline constexpr Name barControlEdge{"#242529"};
inline constexpr Name barControlHover{"#606267"};
inline constexpr Name barSelection{"#6B6D73"};
inline constexpr Name barSeparator{"#3A3B40"};
inline constexpr Name barToggleHover{"#34363C"};
inline constexpr Name zoomComboBorder{"#C9CBD1"};
inline constexpr Name zoomComboSelection{"#DCE7FF"};
inline constexpr Name zoomPopupText{"#20242C"};
inline constexpr Name zoomPopupBorder{"#D9DDE5"};
inline constexpr Name zoomPopupSelectedText{"#245DE8"};
inline constexpr Name zoomPopupSelected{"#EAF0FF"};

inline QColor color(Name name)
{
    return QColor(name);
}

} // namespace Theme
