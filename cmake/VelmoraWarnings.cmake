# Every target links velmora_options: warnings, Qt string safety and the sanitizers.
add_library(velmora_options INTERFACE)
target_compile_options(velmora_options INTERFACE -Wall -Wextra -Wno-missing-field-initializers)
if(VELMORA_WERROR)
  target_compile_options(velmora_options INTERFACE -Werror)
endif()
target_compile_definitions(velmora_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_USE_QSTRINGBUILDER QT_NO_FOREACH
  QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  POINTERHOLDER_TRANSITION=4)
if(VELMORA_SANITIZE)
  target_compile_options(velmora_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(velmora_options INTERFACE -fsanitize=address,undefined)
endif()

# Shared precompiled header for Qt-heavy targets.
function(velmora_qt_pch target)
  target_precompile_headers(${target} PRIVATE
    <QtCore/QString> <QtCore/QList> <QtCore/QObject> <QtCore/QVariant> <QtGui/QImage>)
endfunction()
