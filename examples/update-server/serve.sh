#!/bin/sh
# Serves ROOT over HTTP with nginx on a free loopback port, in the
# background, with its files in WORK. Prints the port; WORK/nginx.pid holds
# the server's process id (stop it with: kill "$(cat WORK/nginx.pid)"), and
# WORK/access.log the requests it answered.
# Usage: serve.sh ROOT WORK
set -eu
root=$(cd "$1" && pwd)
work=$(mkdir -p "$2" && cd "$2" && pwd)
mkdir -p "$work/tmp"
nginx=$(command -v nginx || echo /usr/sbin/nginx)

# A port from the dynamic range; nginx gives up when it is taken, and then
# another is tried.
for attempt in 1 2 3 4 5; do
  port=$(shuf -i 20000-60999 -n 1)
  user=""
  # Only root may name a user; it keeps nginx as root, so private folders
  # stay readable.
  if [ "$(id -u)" = 0 ]; then user="user root;"; fi
  cat >"$work/nginx.conf" <<CONF
daemon off;
master_process off;
worker_processes 1;
$user
pid $work/nginx.pid;
error_log $work/error.log warn;
events { worker_connections 64; }
http {
  access_log $work/access.log;
  client_body_temp_path $work/tmp/client_body;
  proxy_temp_path $work/tmp/proxy;
  fastcgi_temp_path $work/tmp/fastcgi;
  uwsgi_temp_path $work/tmp/uwsgi;
  scgi_temp_path $work/tmp/scgi;
  sendfile on;
  default_type application/octet-stream;
  server {
    listen 127.0.0.1:$port;
    root $root;
  }
}
CONF
  "$nginx" -p "$work" -c "$work/nginx.conf" -e "$work/error.log" >"$work/nginx.out" 2>&1 &
  echo $! >"$work/nginx.pid"
  i=0
  while [ $i -lt 100 ]; do
    if curl -s -o /dev/null --max-time 1 "http://127.0.0.1:$port/"; then
      echo "$port"
      exit 0
    fi
    kill -0 "$(cat "$work/nginx.pid")" 2>/dev/null || break
    sleep 0.05
    i=$((i + 1))
  done
  kill "$(cat "$work/nginx.pid")" 2>/dev/null || true
done
echo "nginx did not start:" >&2
cat "$work/error.log" >&2 2>/dev/null || true
exit 1
