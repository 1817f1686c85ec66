#!/bin/sh
# lintian on the Debian package: no errors. Warnings are shown; the ones the
# package keeps are explained in the README's packaging section.
# Usage: lintian-check.sh PACKAGES
set -u
lintian --fail-on error --display-info "$1"/sorvane_*.deb
