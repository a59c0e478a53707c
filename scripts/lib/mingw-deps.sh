# shellcheck shell=bash
# Builds libjpeg-turbo and minizip for mingw-w64 x86_64 from Debian's source
# packages into a prefix outside the source tree (zlib comes packaged, from
# libz-mingw-w64-dev). Needs log.sh and apt.sh.

MINGW_TRIPLE=x86_64-w64-mingw32
MINGW_CC=$MINGW_TRIPLE-gcc-posix
MINGW_AR=$MINGW_TRIPLE-ar
# Bump when the build recipe below changes, so cached prefixes are rebuilt.
MINGW_DEPS_RECIPE=1

# What the cached prefix depends on: the recipe, the cross compiler, zlib.
mingw_deps_key() {
    echo "recipe=$MINGW_DEPS_RECIPE"
    dpkg-query -W -f='${Package}=${Version}\n' gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev
}

# Fetches and unpacks a source package into ./PKG-src and records its version
# in the stamp being written.
fetch_source() {
    local pkg=$1 log=$2
    local -a opts=()
    [[ $(id -u) -ne 0 ]] || opts=(-o APT::Sandbox::User=root)
    say "fetching Debian source package $pkg"
    run_logged "$log" "apt-get source $pkg failed" \
        "check the deb-src entries under /etc/apt/sources.list.d/ and that dpkg-dev is installed" \
        apt-get source "${opts[@]}" "$pkg"
    local dsc
    dsc=$(ls "$pkg"_*.dsc)
    echo "$pkg=$(sed -n 's/^Version: //p' "$dsc")" >>stamp.new
    mv "$(find . -maxdepth 1 -type d -name "$pkg-*" | head -n 1)" "$pkg-src"
}

# Configures and builds libjpeg-turbo in ./jpeg-build; $1 is ON or OFF (SIMD).
configure_and_build_jpeg() {
    local simd=$1 src=$2 prefix=$3 toolchain=$4
    rm -rf jpeg-build
    cmake -S "$src" -B jpeg-build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
        -DWITH_SIMD="$simd" -DREQUIRE_SIMD="$simd" &&
        cmake --build jpeg-build -j2
}

build_libjpeg_turbo() {
    local src=$1 prefix=$2 toolchain=$3 log=$4
    local fix="read the log; check that $MINGW_CC, cmake and ninja work"
    if command -v nasm >/dev/null; then
        say "building libjpeg-turbo (static, SIMD with nasm) into $prefix"
        if ! configure_and_build_jpeg ON "$src" "$prefix" "$toolchain" >>"$log" 2>&1; then
            say "libjpeg-turbo with SIMD failed to build (see $log); building it without SIMD"
            run_logged "$log" "building libjpeg-turbo for mingw-w64 failed" "$fix" \
                configure_and_build_jpeg OFF "$src" "$prefix" "$toolchain"
        fi
    else
        say "building libjpeg-turbo (static, no SIMD: nasm is missing) into $prefix"
        run_logged "$log" "building libjpeg-turbo for mingw-w64 failed" "$fix" \
            configure_and_build_jpeg OFF "$src" "$prefix" "$toolchain"
    fi
    run_logged "$log" "installing libjpeg-turbo into $prefix failed" "$fix" cmake --install jpeg-build
}

build_minizip() {
    local src=$1 prefix=$2 log=$3
    say "building minizip (ioapi.c unzip.c zip.c -> libminizip.a) into $prefix"
    local fix="read the log; check that $MINGW_CC works and libz-mingw-w64-dev is installed"
    mkdir -p minizip-build "$prefix/lib" "$prefix/include/minizip"
    local f
    for f in ioapi unzip zip; do
        [[ -f $src/$f.c ]] || die "minizip source has no $f.c in $src" "check the minizip source package"
        run_logged "$log" "compiling minizip $f.c failed" "$fix" \
            "$MINGW_CC" -O2 -c "$src/$f.c" -o "minizip-build/$f.o"
    done
    run_logged "$log" "archiving libminizip.a failed" "$fix" \
        "$MINGW_AR" rcs "$prefix/lib/libminizip.a" minizip-build/{ioapi,unzip,zip}.o
    cp "$src"/{ioapi,unzip,zip}.h "$prefix/include/minizip/"
}

# Builds both libraries into PREFIX unless its stamp shows they are current.
#   mingw_deps PREFIX TOOLCHAIN_FILE
mingw_deps() {
    local prefix=$1 toolchain=$2
    local stamp=$prefix/.quenlow-deps key
    key=$(mingw_deps_key)
    if [[ -f $stamp && $(head -n 3 "$stamp") == "$key" &&
        -f $prefix/lib/libjpeg.a && -f $prefix/lib/libminizip.a ]]; then
        say "mingw-w64 libraries are current in $prefix ($(tail -n +4 "$stamp" | paste -sd ' '))"
        return
    fi
    if [[ -e $prefix && ! -e $prefix/.quenlow-prefix && -n $(ls -A "$prefix") ]]; then
        die "$prefix is not empty and was not made by scripts/bootstrap" \
            "set QUENLOW_MINGW_PREFIX to an empty or new directory"
    fi
    BOOTSTRAP_CHANGED=1
    ensure_deb_src libjpeg-turbo minizip
    local work
    work=$(mktemp -d /tmp/quenlow-deps.XXXXXX)
    # shellcheck disable=SC2064 # expand now: work is local
    trap "rm -rf '$work'" EXIT
    local log=${prefix%/}.build.log
    say "building mingw-w64 libraries in $work (log: $log)"
    rm -rf "$prefix"
    mkdir -p "$prefix"
    touch "$prefix/.quenlow-prefix"
    : >"$log"
    (
        cd "$work" || exit
        echo "$key" >stamp.new
        fetch_source libjpeg-turbo "$log"
        fetch_source minizip "$log"
        build_libjpeg_turbo "$work/libjpeg-turbo-src" "$prefix" "$toolchain" "$log"
        build_minizip "$work/minizip-src" "$prefix" "$log"
        mv stamp.new "$stamp"
    )
    rm -rf "$work"
    trap - EXIT
    say "mingw-w64 libraries ready in $prefix ($(tail -n +4 "$stamp" | paste -sd ' '))"
}
