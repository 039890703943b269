#!/usr/bin/env bash
# In a fresh minimal system (scripts/essai-depot puts it there): Vantrel's apt repository added
# as the README tells a user, served at URL. First a copy whose Release file was altered, which
# apt must refuse, and nothing installed; then the repository itself, from which apt installs
# vantrel of version VERSION; then, once the newer build NEWER is published (the file
# SIGNALS/publie), apt-get upgrade brings it. SIGNALS/installe-NAME tells that the first part
# passed.
# Usage: packaging/essai-depot.sh URL KEY.asc VERSION NEWER SIGNALS NAME   (as root)
set -euo pipefail
ici=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: $0 URL KEY.asc VERSION NEWER SIGNALS NAME"
url=${1:?$usage}
cle=${2:?$usage}
version=${3:?$usage}
nouvelle=${4:?$usage}
signaux=${5:?$usage}
nom=${6:?$usage}
echec() {
    echo "FAIL: $*" >&2
    exit 1
}
installee() { dpkg-query -W -f='${Version}' "vantrel:$(dpkg --print-architecture)" 2>/dev/null; }
# ajoute URL: the repository's deb822 source, as the README writes it.
ajoute() {
    cat >/etc/apt/sources.list.d/vantrel.sources <<EOF
Types: deb
URIs: $1
Suites: $(. /etc/os-release && echo "$VERSION_CODENAME")
Components: main
Signed-By: /etc/apt/keyrings/vantrel.asc
EOF
}

"$ici/scripts/apt-a-jour"
install -d /etc/apt/keyrings
cp "$cle" /etc/apt/keyrings/vantrel.asc

ajoute "$url-altere"
if apt-get -q update; then echec "apt took a repository whose Release file was altered"; fi
if apt-get install -y -q vantrel; then echec "apt installed vantrel from the altered repository"; fi
[ -z "$(installee)" ] || echec "vantrel $(installee) installed from the altered repository"
echo "== the altered repository refused, nothing installed"

ajoute "$url"
"$ici/scripts/apt-a-jour"
apt-get install -y -q --no-install-recommends vantrel
[ "$(installee)" = "$version" ] || echec "installed vantrel $(installee), expected $version"
echo "== vantrel $version installed from the repository"

touch "$signaux/installe-$nom"
for ((i = 0; i < 600; i++)); do
    [ -e "$signaux/publie" ] && break
    sleep 2
done
[ -e "$signaux/publie" ] || echec "the newer build was not published within 20 minutes"
"$ici/scripts/apt-a-jour"
apt-get upgrade -y -q
[ "$(installee)" = "$nouvelle" ] || echec "after apt-get upgrade, vantrel $(installee), expected $nouvelle"
echo "== apt-get upgrade brought vantrel $nouvelle"
