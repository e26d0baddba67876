# The wineserver requests of one program started by the driver, from
# `strace -f -y -e trace=write,writev,execve,clone,clone3` of the driver
# (read the trace twice: `awk -f requests.awk trace trace`). Under Wine each
# request is one write to the thread's request pipe; the writes to sockets
# are the X server's. The program is the process other than the driver that
# ran execve with PROGRAM (its file name, e.g. vantor.exe) among its
# arguments, with every thread it made: Wine's own processes that a start
# may bring up (the desktop's explorer.exe when none runs) are not counted.
#
#   awk -v PROGRAM=vantor.exe -f requests.awk trace trace
#
# Prints "requests=N x_writes=N".

# First pass: the driver, the program, and which thread each thread made.
FNR == NR {
  if (FNR == 1) driver = $1
  if ($2 ~ /^execve\(/ && $1 != driver && index(tolower($0), tolower(PROGRAM) "\"")) program[$1] = 1
  if ($2 ~ /^clone3?\(/ && /CLONE_THREAD/) {
    if (/<unfinished \.\.\.>$/) pending[$1] = 1
    else parent[$NF] = $1
  }
  if ($2 == "<..." && $3 ~ /^clone3?$/ && pending[$1]) {
    parent[$NF] = $1
    pending[$1] = 0
  }
  next
}

function of_program(tid, depth) {
  for (depth = 0; depth < 1000 && tid != ""; depth++) {
    if (tid in program) return 1
    tid = (tid in parent) ? parent[tid] : ""
  }
  return 0
}

!($1 in seen) { seen[$1] = of_program($1) }
!seen[$1] { next }
$2 ~ /^writev?\([0-9]+<pipe:/ { requests++ }
$2 ~ /^writev?\([0-9]+<socket:/ { x++ }
END { printf "requests=%d x_writes=%d\n", requests, x }
