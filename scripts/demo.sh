#!/usr/bin/env bash
# The main job on the bundled sample school, in a fresh temporary folder:
# import (template 4401), Horavant's part done by horavant-standin, export,
# and a short report. With --window both runs go through the window instead:
# horavant-standin's launcher starts TransTavoraVelmora inside its own window
# on a private Xvfb, and this script answers the dialogs with xdotool as a
# person would.
set -euo pipefail
cd "$(dirname "$0")/.."

uso() {
  cat <<'FIN'
Uso: scripts/demo.sh [--window]
  Importa la escuela de ejemplo, calcula un horario con horavant-standin y lo
  exporta, en una carpeta temporal nueva; al final muestra un resumen.
  --window  lo mismo a través de la ventana TransTavoraVelmora, en un Xvfb propio.
FIN
}

VENTANA=0
case "${1-}" in
  "") ;;
  --window) VENTANA=1 ;;
  -h | --help) uso; exit 0 ;;
  *) echo "Argumento desconocido: $1" >&2; uso >&2; exit 2 ;;
esac

PLANTILLA=4401
ESPERA=30 # seconds for any window to show or any program to end

fallo() {
  echo "demo: $*" >&2
  exit 1
}

paso() { printf '\n== %s\n' "$*"; }

# --- Build --------------------------------------------------------------------
paso "Preparando el equipo y compilando (build/default)"
scripts/bootstrap.sh
DEMO="$(mktemp -d "${TMPDIR:-/tmp}/transtavora-demo.XXXXXX")"
if ! { cmake --preset default && cmake --build --preset default; } >"$DEMO/compilacion.log" 2>&1; then
  tail -n 30 "$DEMO/compilacion.log" >&2
  fallo "la compilación ha fallado; registro completo en $DEMO/compilacion.log"
fi
BIN="$PWD/build/default/bin"
echo "   Compilado; registro en $DEMO/compilacion.log"

XML="$DEMO/exportacion_ies_rio_albeda.xml"
TRABAJO="$DEMO/htemp"
cp data/sample/exportacion_ies_rio_albeda.xml "$XML"
mkdir -p "$TRABAJO"
echo "   Carpeta de la demostración: $DEMO"

# --- The X session and the window's answers (--window) ----------------------
XVFB_PID=""
LANZADOR_PID=""      # the running horavant-standin launch
REGISTRO_LANZADOR="" # and where its output goes

limpiar() {
  # The launcher runs in a session of its own, so its group holds the window too.
  if [ -n "$LANZADOR_PID" ]; then kill -- "-$LANZADOR_PID" 2>/dev/null || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
}
trap limpiar EXIT
trap 'exit 130' INT TERM

captura() {
  if command -v import >/dev/null; then
    import -window root "$DEMO/$1.png" 2>/dev/null && echo "   Captura de pantalla: $DEMO/$1.png" >&2
  fi
  return 0
}

fallo_ventana() {
  captura fallo
  fallo "$*"
}

iniciar_xvfb() {
  for programa in Xvfb xdotool setsid timeout; do
    command -v "$programa" >/dev/null || fallo "falta el programa $programa (ejecute scripts/bootstrap.sh)"
  done
  # Xvfb picks a free display itself and writes its number on descriptor 3.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$DEMO/xvfb.pantalla" 2>"$DEMO/xvfb.log" &
  XVFB_PID=$!
  local limite=$((SECONDS + ESPERA))
  until [ -s "$DEMO/xvfb.pantalla" ]; do
    kill -0 "$XVFB_PID" 2>/dev/null || fallo "Xvfb no ha arrancado; vea $DEMO/xvfb.log"
    [ "$SECONDS" -lt "$limite" ] || fallo "Xvfb no ha indicado su pantalla en ${ESPERA} s"
    sleep 0.1
  done
  DISPLAY=":$(tr -d '[:space:]' <"$DEMO/xvfb.pantalla")"
  export DISPLAY
  # No desktop runs on this display: Qt's own dialogs, as on a bare X server.
  unset XDG_CURRENT_DESKTOP DESKTOP_SESSION QT_QPA_PLATFORMTHEME
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR="$DEMO/xdg"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  echo "   Xvfb en la pantalla $DISPLAY"
}

# Waits for the visible window with exactly this title and gives it the
# keyboard: with no window manager, the keys go where the focus is put.
# Searched again and again rather than with --sync, since a window vanishing
# in the middle of one search ends that xdotool with an X error.
enfocar() {
  local titulo="$1" id="" limite=$((SECONDS + ESPERA))
  until id="$(xdotool search --onlyvisible --name "^${titulo}\$" 2>/dev/null | head -n 1)" && [ -n "$id" ]; do
    if ! kill -0 "$LANZADOR_PID" 2>/dev/null; then
      cat "$REGISTRO_LANZADOR" >&2
      fallo "horavant-standin launch terminó antes de mostrar la ventana \"$titulo\""
    fi
    [ "$SECONDS" -lt "$limite" ] || fallo_ventana "la ventana \"$titulo\" no ha aparecido en ${ESPERA} s"
    sleep 0.2
  done
  timeout "$ESPERA" xdotool windowfocus --sync "$id" ||
    fallo_ventana "no se puede dar el foco a la ventana \"$titulo\""
  sleep 0.2
}

# Types a path in the file dialog, after clearing what it may show.
contestar_archivo() {
  enfocar "Archivo XML"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 15 "$1"
  xdotool key Return
  echo "   Archivo XML: $1"
}

contestar_plantillas() {
  enfocar "Plantillas Horarias"
  xdotool key Return
  echo "   Plantillas Horarias: la primera ($PLANTILLA)"
}

contestar_mensaje() {
  enfocar "TransTavoraVelmora"
  xdotool key Return
  echo "   Mensaje de TransTavoraVelmora aceptado"
}

# horavant-standin launch ACTION, the dialogs answered along the way; prints
# what the program left in Horavant.ini and fails unless it is 1.
lanzar() {
  local accion="$1"
  REGISTRO_LANZADOR="$DEMO/launch-$1.log"
  setsid "$BIN/horavant-standin" launch "$accion" --program "$PROGRAMA" >"$REGISTRO_LANZADOR" 2>&1 &
  LANZADOR_PID=$!
  contestar_archivo "$XML"
  if [ "$accion" = exportar ]; then contestar_plantillas; fi
  contestar_mensaje

  local limite=$((SECONDS + ESPERA))
  while kill -0 "$LANZADOR_PID" 2>/dev/null; do
    [ "$SECONDS" -lt "$limite" ] ||
      fallo_ventana "TransTavoraVelmora no ha terminado en ${ESPERA} s tras su mensaje (¿se detuvo el proceso?)"
    sleep 0.2
  done
  local estado=0
  wait "$LANZADOR_PID" || estado=$?
  LANZADOR_PID=""
  local valor
  valor="$(sed -n 's/^Transformado: //p' "$REGISTRO_LANZADOR")"
  if [ "$estado" -ne 0 ] || [ -z "$valor" ]; then
    cat "$REGISTRO_LANZADOR" >&2
    fallo "horavant-standin launch $accion ha fallado"
  fi
  echo "   Horavant.ini [Transformadores] Transformado=$valor"
  [ "$valor" = 1 ] || fallo "TransTavoraVelmora no terminó el proceso (Transformado=$valor); vea $REGISTRO_LANZADOR"
}

# --- The journey ------------------------------------------------------------
if [ "$VENTANA" -eq 1 ]; then
  paso "Sesión X para la ventana"
  iniciar_xvfb
  # Installed as on a user's machine: the program with NIVELEX.DBF beside it,
  # where it also leaves Horavant.ini. Its working folder is the demo's.
  mkdir -p "$DEMO/programa"
  cp "$BIN/TransTavoraVelmora" "$BIN/NIVELEX.DBF" "$DEMO/programa/"
  PROGRAMA="$DEMO/programa/TransTavoraVelmora"
  export TRANSTAVORA_WORKDIR="$TRABAJO"
fi

paso "1/3 Importación: de Velmora a Horavant (plantilla $PLANTILLA)"
if [ "$VENTANA" -eq 1 ]; then
  lanzar exportar
else
  "$BIN/transtavora" import "$XML" --workdir "$TRABAJO" --template "$PLANTILLA" >"$DEMO/importacion.log" ||
    fallo "la importación ha fallado"
  head -n 1 "$DEMO/importacion.log" | sed 's/^/   /'
fi

paso "2/3 Horario calculado por horavant-standin"
"$BIN/horavant-standin" solve --workdir "$TRABAJO" >"$DEMO/horario.log" || fallo "horavant-standin solve ha fallado"
sed 's/^/   /' "$DEMO/horario.log"

paso "3/3 Exportación: de Horavant a Velmora"
if [ "$VENTANA" -eq 1 ]; then
  lanzar importar
else
  "$BIN/transtavora" export "$XML" --workdir "$TRABAJO" >"$DEMO/exportacion.log" ||
    fallo "la exportación ha fallado"
  head -n 1 "$DEMO/exportacion.log" | sed 's/^/   /'
fi

# --- Report, read from the files either way -----------------------------------
SALIDA="$DEMO/ResultadoTavoraexportacion_ies_rio_albeda.xml"
[ -f "$SALIDA" ] || fallo "no se ha escrito $SALIDA"

# Records of a dBase table, from its header (bytes 4-7, little-endian).
filas() { od -An -tu4 -j4 -N4 "$TRABAJO/$1.DBF" | tr -d ' '; }
cuenta() { grep -o "seq=\"$1" "$SALIDA" | wc -l; }

paso "Resumen"
echo "   Filas escritas por la importación:"
for tabla in ASIGNOMT PROFT AULAT CURSOST GRUPOST ASIGT DIASHORAST DIASHORAST2 PERIODOS; do
  printf '     %-12s %5s\n' "$tabla" "$(filas "$tabla")"
done
sed -n 's/^Sesiones colocadas: /   Sesiones colocadas por horavant-standin: /p' "$DEMO/horario.log"
echo "   Exportado: $(cuenta HORARIO_REGULAR_PROFESOR_) profesores, $(cuenta ACTIVIDAD_) sesiones"
echo "   Archivo escrito: $SALIDA"
