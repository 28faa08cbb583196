#!/usr/bin/env bash
# Makes the 64-bit Wine prefix Quillory runs and is tested in (once; later calls return at once).
# The program asks for Japanese faces ("ＭＳ Ｐゴシック", "MS UI Gothic", ...) that Wine lacks; the
# prefix maps them to Debian's IPA Gothic fonts so Japanese text renders instead of boxes. The
# end-to-end test program runs in a virtual desktop of its own, where windows get frames, focus
# works without a window manager and screenshots show what the program drew.
set -euo pipefail

export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-quillory}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# Bump the version when the settings below change, so existing prefixes take them up.
readonly marker="$WINEPREFIX/.quillory-prefix-v4"
[[ -f "$marker" ]] && exit 0

readonly gothic_dir=/usr/share/fonts/opentype/ipafont-gothic
for font in ipag.ttf ipagp.ttf; do
    [[ -f "$gothic_dir/$font" ]] || { echo "wine-prefix.sh: $gothic_dir/$font missing (fonts-ipafont)" >&2; exit 1; }
done

if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "wine-prefix.sh: creating $WINEPREFIX"
    # Mono and Gecko are not needed and would only ask to be downloaded. Waiting for the server to
    # end lets the first start finish its set-up before the registry is changed.
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" wineboot --init >/dev/null 2>&1
    wineserver --wait
fi

fonts_dir="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts_dir"
ln -sf "$gothic_dir/ipag.ttf" "$gothic_dir/ipagp.ttf" "$fonts_dir/"
# Debian's Wine does not copy its own faces into new prefixes. Marlett draws the caption buttons;
# the others stay out, so that Tahoma, the caption face, falls back to a font with Japanese glyphs.
if [[ -f /usr/share/wine/fonts/marlett.ttf ]]; then
    ln -sf /usr/share/wine/fonts/marlett.ttf "$fonts_dir/"
fi

reg_file="$(mktemp --suffix=.reg)"
trap 'rm -f "$reg_file"' EXIT
# regedit reads UTF-16LE .reg files, which keeps the full-width face names intact.
{
    printf '\xff\xfe'
    iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
"Yu Gothic UI"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""
"mscoree"=""
"mshtml"=""

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\AppDefaults\quillory_e2e_tests.exe\Explorer]
"Desktop"="e2e"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"e2e"="1280x1024"

REG
} | sed 's/\x0a\x00/\x0d\x00\x0a\x00/g' >"$reg_file"
wine regedit /S "$(winepath -w "$reg_file")" >/dev/null 2>&1
touch "$marker"
echo "wine-prefix.sh: ready"
