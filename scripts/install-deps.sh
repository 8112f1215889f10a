#!/bin/sh
# Installs the Debian packages that building, running and testing need;
# does nothing when they are all there. Works as root and through sudo.
#   install-deps.sh           building, running, the tests of the normal build
#   install-deps.sh fuzz      also clang and libFuzzer, for the fuzz targets
#   install-deps.sh package   also what CPack needs to build the Debian package,
#                             and the tools that check it
set -eu

# qt6-translations-l10n holds Qt's own words in Chinese; libqt6svg6 draws the
# program's icon; espeak-ng reads numbers aloud in Mandarin and Qt Multimedia
# plays them. The results are kept through Qt's SQLite driver, which libqt6sql6
# only recommends, and drawn with Qt Charts, whose CMake files need Qt's OpenGL
# development files without depending on them. The end-to-end test reads the
# program as a screen reader does, over the accessibility bus (at-spi2-core on
# a dbus-daemon session bus), with Python's AT-SPI bindings.
packages="make cmake g++ qt6-base-dev libxkbcommon-dev libxcb1-dev fonts-noto-cjk fonts-wqy-microhei \
qt6-translations-l10n libqt6svg6 libespeak-ng-dev espeak-ng-data qt6-multimedia-dev \
libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev \
xvfb xdotool imagemagick \
dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0"
for group in "$@"; do
    case "$group" in
        # clang-14 only recommends the runtime that holds libFuzzer and the sanitizers.
        fuzz) packages="$packages clang-14 libclang-rt-14-dev" ;;
        # dpkg-shlibdeps finds the package's library dependencies; CPack runs file;
        # lintian checks the package as Debian would, appstreamcli its metainfo.
        package) packages="$packages dpkg-dev file lintian appstream" ;;
        *) echo "install-deps.sh: unknown group $group" >&2; exit 2 ;;
    esac
done

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "需要安装这些软件包，但当前用户不是 root 且没有 sudo：$missing" >&2
    exit 1
fi

echo "Installing:$missing"
$as_root apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
