#!/bin/sh
# lintian on the Debian package: no errors. Warnings and notes are shown for
# the log (the README's packaging section says which notes remain and why).
# Usage: lintian-check.sh PACKAGES
set -u
lintian --fail-on error --display-info "$1"/sorvane_*.deb
