#!/bin/sh
# A private CUPS scheduler for the print tests: its own configuration, spool and
# socket under one folder, and cups-pdf queues writing their PDF files into
# that folder. The system's CUPS, if any, is left alone.
#
#   private-cups.sh start FOLDER QUEUE...  prints the socket path when the queues
#                                          are ready; the first is the default
#   private-cups.sh stop FOLDER
#
# A queue named *-disc is an inkjet with a disc tray: the PPD of gutenprint's
# Epson R300, its printer filters left out, so that the job reaches the
# backend as the PDF the driver would get; the backend (capture-backend.sh)
# keeps it with its options in FOLDER/captured.
#
# cups-pdf reads its settings from /etc/cups only, so the scheduler runs in a
# mount namespace of its own in which the folder's etc/ is /etc/cups.
set -eu

command=$1
folder=$(realpath "$2")

stop() {
  if [ -f "$folder/run/cupsd.pid" ]; then
    pid=$(cat "$folder/run/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    # The folder can be removed only when the scheduler's namespace is gone.
    tries=0
    while kill -0 "$pid" 2>/dev/null && [ $tries -lt 100 ]; do
      tries=$((tries + 1))
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$folder/run/cupsd.pid"
  fi
}

if [ "$command" = stop ]; then
  stop
  exit 0
fi

shift 2
mkdir -p "$folder/etc/ppd" "$folder/spool/tmp" "$folder/cache" "$folder/run" "$folder/log" \
  "$folder/out" "$folder/pdfspool" "$folder/captured" "$folder/serverbin/backend"
chmod 0755 "$folder" "$folder/out" "$folder/serverbin" "$folder/serverbin/backend"
chmod 1777 "$folder/spool/tmp" "$folder/pdfspool" "$folder/captured"

# The system's filters and backends, and the capturing backend beside them.
for part in /usr/lib/cups/*; do
  [ "$(basename "$part")" = backend ] || ln -sfn "$part" "$folder/serverbin/$(basename "$part")"
done
for backend in /usr/lib/cups/backend/*; do
  ln -sfn "$backend" "$folder/serverbin/backend/$(basename "$backend")"
done
cp "$(dirname "$0")/capture-backend.sh" "$folder/serverbin/backend/capture"
chmod 0755 "$folder/serverbin/backend/capture"
socket=$folder/run/cups.sock

cat >"$folder/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel ${CUPS_LOG_LEVEL:-warn}
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$folder/etc/cups-files.conf" <<CONF
ServerRoot /etc/cups
ServerBin $folder/serverbin
RequestRoot $folder/spool
TempDir $folder/spool/tmp
CacheDir $folder/cache
StateDir $folder/run
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
SystemGroup root
CONF
cat >"$folder/etc/cups-pdf.conf" <<CONF
Out $folder/out
AnonDirName $folder/out
Spool $folder/pdfspool
Log $folder/log
Grp root
CONF

unshare --mount --propagation private sh -c "
  mount --bind '$folder/etc' /etc/cups &&
  exec cupsd -f -c /etc/cups/cupsd.conf -s /etc/cups/cups-files.conf
" >"$folder/log/cupsd.out" 2>&1 &
echo $! >"$folder/run/cupsd.pid"

tries=0
until [ -S "$socket" ]; do
  tries=$((tries + 1))
  if [ $tries -gt 100 ] || ! kill -0 "$(cat "$folder/run/cupsd.pid")" 2>/dev/null; then
    echo "cupsd did not start:" >&2
    cat "$folder/log/cupsd.out" "$folder/log/error_log" >&2 2>/dev/null || true
    stop
    exit 1
  fi
  sleep 0.1
done

export CUPS_SERVER=$socket
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
for queue in "$@"; do
  case "$queue" in
    *-margins)
      # A printer that cannot reach the paper's edges: on A4 it prints from
      # 18 pt left and 24 pt top (ImageableArea: left, bottom, right, top).
      sed 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "18 24 577 818"|' "$ppd" \
        >"$folder/margins.ppd"
      lpadmin -p "$queue" -E -v "cups-pdf:/" -P "$folder/margins.ppd" ;;
    *-disc)
      /usr/lib/cups/driver/gutenprint.5.3 cat gutenprint.5.3://escp2-r300/expert |
        sed -e '/^\*cupsFilter/d' -e 's|^\*PCFileName:.*|&\n*cupsFilter: "application/vnd.cups-pdf 0 -"|' \
        >"$folder/disc.ppd"
      lpadmin -p "$queue" -E -v "capture:$folder/captured" -P "$folder/disc.ppd" ;;
    *)
      lpadmin -p "$queue" -E -v "cups-pdf:/" -P "$ppd" ;;
  esac
done
lpadmin -d "$1"
echo "$socket"
