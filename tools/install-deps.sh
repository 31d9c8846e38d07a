#!/usr/bin/env bash
# Installs what building and running under Wine needs, only when something is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/arch.sh"

need=()
command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686)
command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
command -v cmake >/dev/null || need+=(cmake)
command -v make >/dev/null || need+=(make)
command -v g++ >/dev/null || need+=(g++)
command -v python3 >/dev/null || need+=(python3)
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
command -v import >/dev/null || need+=(imagemagick)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
fc-list 2>/dev/null | grep -qi 'WenQuanYi Micro Hei' || need+=(fonts-wqy-microhei fontconfig)
locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$' || need+=(locales)
dpkg -s wine64 >/dev/null 2>&1 || need+=(wine wine64)

# wine32 only where the kernel runs 32-bit programs; elsewhere the 64-bit build is what Wine runs.
want32=0
if lanxi_kernel_runs_i386 && ! dpkg -s wine32:i386 >/dev/null 2>&1; then
    want32=1
    need+=(wine32:i386)
fi

if [ ${#need[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    if [ $want32 = 1 ]; then
        dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    fi
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
    sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi
