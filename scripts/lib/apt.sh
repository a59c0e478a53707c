# shellcheck shell=bash
# Debian package helpers for scripts/bootstrap. Needs log.sh.

APT_SRC_NAME=quenlowsaver-src

# Prints the packages among the arguments that are not installed.
missing_packages() {
    local installed
    # dpkg-query fails when it knows some package not at all: that is expected.
    installed=$( (dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' "$@" 2>/dev/null || true) |
        awk '$2 == "ii" { print $1 }')
    local p
    for p in "$@"; do
        grep -qxF "$p" <<<"$installed" || echo "$p"
    done
}

require_root() {
    [[ $(id -u) -eq 0 ]] || die "$1 needs root" "run scripts/bootstrap as root (sudo scripts/bootstrap)"
}

install_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    if [[ ${#missing[@]} -eq 0 ]]; then
        say "all ${#} Debian packages are installed"
        return
    fi
    say "installing ${#missing[@]} Debian packages: ${missing[*]}"
    BOOTSTRAP_CHANGED=1
    require_root "installing Debian packages"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update || die "apt-get update failed" "check the network and /etc/apt/sources.list*"
    apt-get install -y --no-install-recommends "${missing[@]}" ||
        die "apt-get install failed for: ${missing[*]}" "check that these packages exist for this Debian release"
}

# Prints a deb-src copy of every deb822 stanza in the given files whose Types
# has deb but not deb-src; comments are dropped, all other fields kept.
deb822_src_stanzas() {
    awk '
        function flush() { if (n && want) { for (i = 1; i <= n; i++) print buf[i]; print "" } n = 0; want = 0 }
        FNR == 1 || /^[ \t]*$/ { flush() }
        /^[ \t]*$/ || /^#/ { next }
        /^Types:/ {
            if ($0 ~ /[ \t]deb([ \t]|$)/ && $0 !~ /deb-src/) { want = 1; buf[++n] = "Types: deb-src" }
            next
        }
        { buf[++n] = $0 }
        END { flush() }' "$@"
}

# Prints deb-src lines for the one-line "deb ..." entries of a file, unless the
# file already has deb-src entries.
list_src_lines() {
    awk '/^[ \t]*deb-src[ \t]/ { has_src = 1 }
         /^[ \t]*deb[ \t]/ { sub(/^[ \t]*deb/, "deb-src"); lines[++n] = $0 }
         END { if (!has_src) for (i = 1; i <= n; i++) print lines[i] }' "$1"
}

have_sources_for() {
    local p
    for p in "$@"; do
        [[ $(apt-cache showsrc --only-source "$p" 2>/dev/null) == *Package:* ]] || return 1
    done
}

# Makes "apt-get source" work: adds deb-src entries derived from this machine's
# own apt sources (same mirrors, suites and components) and updates once.
ensure_deb_src() {
    have_sources_for "$@" && return
    require_root "adding deb-src entries"
    local dir=/etc/apt/sources.list.d f
    local -a deb822=() lists=()
    for f in "$dir"/*.sources; do
        [[ -e $f && $f != "$dir/$APT_SRC_NAME.sources" ]] && deb822+=("$f")
    done
    for f in /etc/apt/sources.list "$dir"/*.list; do
        [[ -e $f && $f != "$dir/$APT_SRC_NAME.list" ]] && lists+=("$f")
    done
    local sources="" one_line=""
    [[ ${#deb822[@]} -eq 0 ]] || sources=$(deb822_src_stanzas "${deb822[@]}")
    for f in "${lists[@]}"; do one_line+=$(list_src_lines "$f")$'\n'; done
    one_line=$(sed '/^$/d' <<<"$one_line")
    [[ -n $sources$one_line ]] || die "found no deb entries to derive deb-src entries from" \
        "add a deb-src entry for Debian's main archive under $dir/"
    say "adding deb-src entries derived from this machine's apt sources ($dir/$APT_SRC_NAME.*)"
    rm -f "$dir/$APT_SRC_NAME.sources" "$dir/$APT_SRC_NAME.list"
    [[ -z $sources ]] || printf '%s\n' "$sources" >"$dir/$APT_SRC_NAME.sources"
    [[ -z $one_line ]] || printf '%s\n' "$one_line" >"$dir/$APT_SRC_NAME.list"
    say "apt-get update (for the source package lists)"
    apt-get update || die "apt-get update failed" "check the network and $dir/$APT_SRC_NAME.*"
    have_sources_for "$@" || die "apt finds no source package for one of: $*" \
        "check the deb-src entries in $dir/$APT_SRC_NAME.*"
}
