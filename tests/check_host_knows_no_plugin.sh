#!/bin/sh
# Fails when a file under host/ mentions one of the guides plug-in's names, as listed in
# harness/plugin-names.txt: the host is one any plug-in can be loaded into, and what knows
# this plug-in lives in harness/. Usage: check_host_knows_no_plugin.sh ROOT
root="$1"
names=$(grep -v -e '^#' -e '^$' "$root/harness/plugin-names.txt") || {
  echo "harness/plugin-names.txt lists no name"
  exit 1
}
if printf '%s\n' "$names" | LC_ALL=C grep -rnoE -f - "$root/host"; then
  echo "host/ names the guides plug-in (above: file, line and name)"
  exit 1
fi
exit 0
