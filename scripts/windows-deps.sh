#!/usr/bin/env bash
# Builds the third-party libraries of the Windows test build, from Debian's own sources, into
# build/windows-deps/<arch>/, the prefix the windows-tests preset searches:
# - SQLite: the amalgamation made from Debian's current sqlite3 source package for this release, with
#   Debian's patches applied and the compile-time options of Debian's own library;
# - GoogleTest and GoogleMock: the sources Debian's googletest package installs in /usr/src/googletest.
# Does nothing when the prefix is complete and this script, the toolchains and googletest are unchanged.
# Usage: scripts/windows-deps.sh x86_64|i686
set -euo pipefail
cd "$(dirname "$0")/.."

arch=${1:-}
if [[ $arch != x86_64 && $arch != i686 ]]; then
    echo "usage: scripts/windows-deps.sh x86_64|i686" >&2
    exit 2
fi
triplet=$arch-w64-mingw32
toolchain=$PWD/cmake/toolchains/$triplet.cmake
deps=$PWD/build/windows-deps
prefix=$deps/$arch
amalgamation=$deps/sqlite3-amalgamation

mkdir -p "$deps"
exec 9>"$deps/.lock"
flock 9 # one builder at a time: others on this machine may run it too

recipe="$(cat scripts/windows-deps.sh cmake/toolchains/*.cmake | sha256sum | cut -c1-16) googletest $(dpkg-query -W -f='${Version}' googletest)"
if [[ -f $prefix/.recipe && $(<"$prefix/.recipe") == "$recipe" ]]; then
    exit 0
fi

# Built beside the prefix and put in its place at the end, so builds using the old one keep working.
work=$deps/work-$arch
staging=$work/prefix
rm -rf "$work"
mkdir -p "$staging/include" "$staging/lib"

# Runs a command with its output in a log file, shown only when the command fails.
quietly() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 || { cat "$log" >&2; return 1; }
}

# apt-get with a private deb-src list, package lists and cache: the system's apt setup stays untouched.
fetch_sqlite_source() {
    local apt=$work/apt codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/download"
    cat >"$apt/sources.list.d/debian-src.sources" <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: $codename-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    # apt-get's download user (_apt) cannot write into the build tree: downloads run as the caller.
    local options=(-qq -o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt/sources.list.d"
                   -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root)
    quietly "$apt/update.log" apt-get "${options[@]}" update
    (cd "$apt/download" && quietly ../source.log apt-get "${options[@]}" source --download-only sqlite3)
    # apt-get checked the downloaded files against the archive's signed index; dpkg-source applies
    # Debian's patches.
    quietly "$apt/extract.log" dpkg-source --no-check -x "$apt"/download/sqlite3_*.dsc "$work/sqlite3-src"
}

# The amalgamation is the same for every architecture, so it is made once.
make_amalgamation() {
    [[ -f $amalgamation/.recipe && $(<"$amalgamation/.recipe") == "$recipe" ]] && return
    echo "SQLite: fetching Debian's sqlite3 source and making the amalgamation"
    fetch_sqlite_source
    mkdir -p "$work/sqlite3-build"
    (cd "$work/sqlite3-build" && quietly configure.log ../sqlite3-src/configure --disable-tcl &&
        quietly make.log make sqlite3.c)
    rm -rf "$amalgamation.tmp"
    mkdir -p "$amalgamation.tmp"
    cp "$work"/sqlite3-build/sqlite3.{c,h} "$amalgamation.tmp/"
    dpkg-parsechangelog -l "$work/sqlite3-src/debian/changelog" -S Version >"$amalgamation.tmp/version"
    sed -n '/^export CFLAGS += /,/[^\\]$/p' "$work/sqlite3-src/debian/rules" |
        grep -o -- '-DSQLITE_[A-Z0-9_]*\(=[0-9]*\)\?' >"$amalgamation.tmp/defines"
    echo "$recipe" >"$amalgamation.tmp/.recipe"
    rm -rf "$amalgamation"
    mv "$amalgamation.tmp" "$amalgamation"
}

build_sqlite() {
    echo "SQLite $(<"$amalgamation/version") for $triplet"
    local defines
    mapfile -t defines <"$amalgamation/defines"
    "$triplet-gcc-posix" -O2 -fno-strict-aliasing "${defines[@]}" -c "$amalgamation/sqlite3.c" -o "$work/sqlite3.o"
    "$triplet-ar" rcs "$staging/lib/libsqlite3.a" "$work/sqlite3.o"
    cp "$amalgamation/sqlite3.h" "$staging/include/"
}

build_googletest() {
    echo "GoogleTest $(dpkg-query -W -f='${Version}' googletest) for $triplet"
    local build=$work/googletest
    quietly "$work/googletest-configure.log" cmake -S /usr/src/googletest -B "$build" -G Ninja \
        --toolchain "$toolchain" -DCMAKE_BUILD_TYPE=Release "-DCMAKE_INSTALL_PREFIX=$staging"
    quietly "$work/googletest-build.log" cmake --build "$build" -j2
    quietly "$work/googletest-install.log" cmake --install "$build"
}

make_amalgamation
build_sqlite
build_googletest
echo "$recipe" >"$staging/.recipe"
rm -rf "$prefix.old"
[[ ! -d $prefix ]] || mv "$prefix" "$prefix.old"
mv "$staging" "$prefix"
rm -rf "$prefix.old" "$work"
echo "Windows libraries for $triplet: $prefix"
