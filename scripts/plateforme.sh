# shellcheck shell=bash
# What differs between Debian releases, Qt versions and architectures, worked out from the system
# itself. The other scripts ask here rather than name a release, a package or a tool; the CMake
# side asks cmake/Plateforme.cmake. Sourced, never run.
. "$(dirname "${BASH_SOURCE[0]}")/commun.sh"

# The codename and the number of the machine's own release.
debian_nom() { (. /etc/os-release && echo "$VERSION_CODENAME"); }
debian_numero() {
    local numero
    numero=$(. /etc/os-release && echo "${VERSION_ID:-}")
    [ -n "$numero" ] || { echo "this Debian has no release number (testing or unstable?)" >&2; return 1; }
    echo "$numero"
}

# The codename of Debian release NUMBER, from Debian's own table of its releases
# (distro-info-data).
debian_nom_de() {
    local nom
    nom=$(awk -F, -v v="$1" '$1 == v { print $3 }' /usr/share/distro-info/debian.csv)
    [ -n "$nom" ] || { echo "Debian $1: not in /usr/share/distro-info/debian.csv" >&2; return 1; }
    echo "$nom"
}

# The repository this machine takes Debian's packages from (http://…/debian/).
debian_depot() {
    apt-get indextargets --format '$(REPO_URI)' "Codename: $(debian_nom)" \
        'Identifier: Packages' 'Component: main' | head -n 1
}

# The sources of Debian release CODENAME for a minimal system, one line each as mmdebstrap takes
# them: the release, its -updates and its -security, each from the repository this machine takes
# its own release's from.
debian_sources() {
    local propre uri suite
    propre=$(debian_nom)
    apt-get indextargets --format '$(REPO_URI) $(CODENAME)' 'Identifier: Packages' 'Component: main' |
        sort -u | while read -r uri suite; do
        case "$suite" in
        "$propre" | "$propre"-updates | "$propre"-security)
            echo "deb ${uri%/} $1${suite#"$propre"} main"
            ;;
        esac
    done
}

# apt_a_part DIR SOURCE_LINE APT_ARGUMENT...: apt-get on one sources.list line alone, its lists and
# cache kept in DIR, so that the machine's own apt stays as it is (its lock, its lists).
apt_a_part() {
    local dossier=$1
    mkdir -p "$dossier/lists/partial" "$dossier/cache/archives/partial"
    echo "$2" >"$dossier/sources.list"
    shift 2
    apt-get -o "Dir::Etc::SourceList=$dossier/sources.list" -o Dir::Etc::SourceParts=/nonexistent \
        -o "Dir::State::Lists=$dossier/lists" -o "Dir::Cache=$dossier/cache" \
        -o "APT::Sandbox::User=$(id -un)" -o Debug::NoLocking=1 "$@"
}

# Whether the -security suite of release CODENAME serves, now, indexes for every ARCH that match
# the Release file that signs them. A mirror can lag on one architecture for days, and then
# that architecture's packages cannot be installed beside the others': the libraries they
# share must be of one version. Fetched into a folder of its own, apart from this machine's apt.
securite_coherente() {
    local nom=$1 uri dossier statut=0 archs
    shift
    uri=$(debian_sources "$nom" | awk -v suite="$nom-security" '$3 == suite { print $2 }')
    [ -n "$uri" ] || return 0
    archs=$(IFS=,; echo "$*")
    dossier=$(mktemp -d)
    apt_a_part "$dossier" \
        "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri $nom-security main" \
        -q -o "APT::Architectures=$archs" -o Acquire::Languages=none -o Acquire::Retries=3 update \
        >/dev/null 2>&1 || statut=1
    rm -rf "$dossier"
    return "$statut"
}

# sources_du_jour DIR NUMBER ARCH...: the sources of a minimal system of Debian release NUMBER
# that holds ARCH... (debian_sources), less -security on a day its mirror serves, for one of
# them, indexes that do not match its Release file: checked twice 30 s apart, then kept for the
# day in DIR/securite, so that the check is not made again for every system.
sources_du_jour() {
    local dossier=$1 nom archs decision
    nom=$(debian_nom_de "$2")
    shift 2
    archs=$(printf '%s\n' "$@" | sort -u | paste -sd ' ')
    decision=$dossier/securite/$nom-${archs// /-}-$(date -u +%F)
    if [ ! -s "$decision" ]; then
        mkdir -p "$dossier/securite"
        # shellcheck disable=SC2086 # one architecture a word
        if securite_coherente "$nom" $archs || { sleep 30 && securite_coherente "$nom" $archs; }; then
            echo avec >"$decision.$$"
        else
            echo sans >"$decision.$$"
        fi
        mv "$decision.$$" "$decision"
    fi
    if [ "$(cat "$decision")" = avec ]; then
        debian_sources "$nom"
    else
        echo "WARNING: Debian $nom: the mirror's -security indexes for $archs do not match its" \
            "Release file today; its minimal systems go without -security" >&2
        debian_sources "$nom" | grep -v -- "-security "
    fi
}

# qemu's user-mode emulator of an architecture's programs (qemu-aarch64, qemu-arm), by its GNU
# CPU name.
emulateur_qemu() { echo "qemu-$(dpkg-architecture -a "$1" -q DEB_HOST_GNU_CPU 2>/dev/null)"; }

# ImageMagick's command line tool, whichever major version the release ships (6: convert-im6.q16,
# 7: magick). Called by its path: some machines put a stand-in named convert first on PATH.
imagemagick() {
    local outil
    for outil in /usr/bin/magick /usr/bin/convert-im6.q16; do
        if [ -x "$outil" ]; then
            echo "$outil"
            return
        fi
    done
    echo "ImageMagick is not installed (Debian package imagemagick)" >&2
    return 1
}

# The version of a package that apt would install, installed or not.
version_disponible() {
    apt-cache show --no-all-versions "$1" 2>/dev/null | sed -n 's/^Version: //p' | head -n 1
}

# The folder of the minimal system of Debian release NUMBER for ARCH that autopkgtest and
# piuparts unpack (scripts/systeme-debian makes its racine.tar there).
systeme_essai() { echo "${VANTREL_CACHE:-$HOME/.cache/vantrel}/essai-$1-$2"; }
