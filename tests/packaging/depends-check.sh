#!/bin/bash
# Whether installing the Debian package on a fresh machine brings every
# library its programs load: each library a program names itself (NEEDED)
# must come from a package in the Depends field, and each library ldd shows
# (also those the first ones load) from a package that Depends pulls in.
# Usage: depends-check.sh PACKAGES
set -u
deb=$(echo "$1"/sorvane_*.deb)
work=$(mktemp -d /tmp/sorvane-depends-XXXXXX)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work" || exit 1
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"

# Package names of a dependency field: alternatives and versions dropped.
names() { tr ',|' '\n\n' | sed 's/(.*)//; s/:any//; s/[[:space:]]//g' | grep -v '^$'; }

# The packages the field pulls in, over the installed packages' own fields
# (read once).
declare -A fields pulled direct
while IFS=$'\t' read -r p f; do fields[$p]=$f; done < <(dpkg-query -W -f='${Package}\t${Depends}, ${Pre-Depends}\n')
queue=($(echo "$depends" | names))
for p in "${queue[@]}"; do direct[$p]=1; done
while [ ${#queue[@]} -gt 0 ]; do
  p=${queue[0]}
  queue=("${queue[@]:1}")
  [ -n "${pulled[$p]:-}" ] && continue
  pulled[$p]=1
  queue+=($(echo "${fields[$p]:-}" | names))
done

# Each library ldd shows, with the package that holds it, asked of dpkg in
# one go; merged /usr registers some files under /lib, some under /usr/lib.
declare -A owners
libraries=$(for program in "$work"/usr/bin/*; do ldd "$program" | awk '/=>/ && $3 ~ /^\// {print $3}'; done | sort -u)
while read -r line; do
  owners[${line#*: }]=${line%%:*}
done < <(for lib in $libraries; do echo "$lib"; echo "/usr$lib"; readlink -f "$lib"; done | sort -u |
         xargs dpkg -S 2>/dev/null | grep -v '^diversion')
owner() { echo "${owners[$1]:-${owners[/usr$1]:-${owners[$(readlink -f "$1")]:-}}}"; }

status=0
for program in "$work"/usr/bin/*; do
  needed=$(objdump -p "$program" | awk '/NEEDED/ {print $2}')
  while read -r lib _ path _; do
    [ -n "$path" ] && [ -f "$path" ] || continue
    package=$(owner "$path")
    if [ -z "$package" ]; then
      echo "$(basename "$program"): $lib ($path) belongs to no package" >&2; status=1
    elif echo "$needed" | grep -qxF "$lib" && [ -z "${direct[$package]:-}" ]; then
      echo "$(basename "$program"): $lib needs $package, which Depends does not name" >&2; status=1
    elif [ -z "${pulled[$package]:-}" ]; then
      echo "$(basename "$program"): $lib needs $package, which Depends does not pull in" >&2; status=1
    fi
  done < <(ldd "$program" | grep '=>')
done
[ $status = 0 ] && echo "every library that ldd shows comes with the package's dependencies (${#pulled[@]} packages)"
exit $status
