#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages.txt that are not installed yet.
# Fast path: when everything is present it only asks dpkg and returns.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mapfile -t wanted < <(grep -v '^\s*#' "$here/packages.txt" | sed 's/\s//g' | grep -v '^$')

missing=()
while read -r name status; do
  [ "$status" = "installed" ] || missing+=("$name")
done < <(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${wanted[@]}" 2>/dev/null || true)
# dpkg-query prints nothing for packages it has never heard of
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -qx installed || {
    [[ " ${missing[*]-} " == *" $p "* ]] || missing+=("$p"); }
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Vexlo: installing missing packages: ${missing[*]}"
if ! command -v apt-get >/dev/null 2>&1; then
  echo "Vexlo: apt-get is not available; please install these packages by hand: ${missing[*]}" >&2
  exit 1
fi
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo_cmd=(sudo)
  else
    echo "Vexlo: root rights are needed to install: ${missing[*]}" >&2
    echo "Vexlo: run this script as root, or install the packages by hand." >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
