#!/usr/bin/env bash
# Systems of other code pages: the backend's own checks of fonts, painted
# texts and captions pass under Russian (1251) and Hebrew (1255); and on a
# Russian system, with a zthelp.ini saved in Windows-1251 and a help title
# in UTF-8, the coach shows its captions, step names and help text in
# Cyrillic (the title's Greek line too, which no Russian code page has).
# With VANTOR_SCREENSHOTS=1 it takes the coach's picture for docs/.
# shellcheck source=../lib.sh
source "$E2E_LIB"

# Wine takes each process's ANSI code page from its locale; the locales are
# built once into the build tree, so that the machine needs none of its own.
locales="$VANTOR_ROOT/build/locale"
for locale in ru_RU he_IL; do
  [[ -f "$locales/$locale.UTF-8/LC_CTYPE" ]] && continue
  mkdir -p "$locales"
  localedef -i "$locale" -f UTF-8 "$locales/$locale.UTF-8" >/dev/null 2>&1
  [[ -f "$locales/$locale.UTF-8/LC_CTYPE" ]] || fail "localedef could not build $locale.UTF-8"
done
in_locale() { # in_locale <locale> <command...>
  local locale="$1"
  shift
  env LOCPATH="$locales" LANG="$locale.UTF-8" LC_ALL="$locale.UTF-8" "$@"
}
russian=(in_locale ru_RU)
rvd() {
  "${russian[@]}" wine "$VDRIVER" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# --- The backend under code pages 1251 and 1255 --------------------------------
# Under Wine the Hebrew one is where the texts the backend painted with the
# ANSI functions came out as Latin letters.
for run in ru_RU:1251 he_IL:1255; do
  in_locale "${run%:*}" wine "$VANTOR_WIN_BIN/vantor_backend_tests.exe" CodePage \
    >"$CASE_TMP/backend-${run#*:}.txt" 2>&1
  status=$?
  output="$(tr -d '\r' <"$CASE_TMP/backend-${run#*:}.txt")"
  echo "$output"
  grep -q "system code page ${run#*:}" <<<"$output" ||
    fail "the backend tests did not run under code page ${run#*:}"
  [[ "$output" == *"backend tests: 2 cases, 0 failed,"* ]] ||
    fail "backend checks under code page ${run#*:}"
  ((status == 0)) || fail "backend tests exit code $status"
done

# --- The coach in Russian ---------------------------------------------------------
# Texts written here in UTF-8; the settings file gets them in Windows-1251.
new_install < <(sed -e 's/^Title=Vantor Scan Coach/Title=Мастер сканирования Vantor/' \
  -e 's/^DoItButton=.*/DoItButton=Выполнить/' \
  -e 's/^NextButton=.*/NextButton=Далее >/' \
  -e 's/^BackButton=.*/BackButton=< Назад/' \
  -e 's/^CancelButton=Cancel/CancelButton=Отмена/' \
  -e 's/^DontShowLabel=.*/DontShowLabel=Больше не показывать эту страницу/' \
  -e 's/^BUTTON=Start$/BUTTON=Начало/' \
  -e 's/^BUTTON=Preview$/BUTTON=Просмотр/' \
  -e 's/^BUTTON=Select area$/BUTTON=Выбор области/' \
  -e 's/^BUTTON=Choose type$/BUTTON=Тип изображения/' \
  -e 's/^BUTTON=Scan$/BUTTON=Сканирование/' \
  -e 's/^BUTTON=Save$/BUTTON=Сохранение/' \
  "$VANTOR_ROOT/sample/zthelp.ini" | iconv -f UTF-8 -t CP1251)
{
  cat <<'TITLE'
@topic scan_welcome
= Добро пожаловать
Этот мастер проведёт вас через одно сканирование в ZT Orvex Pro: от того,
как положить оригинал на стекло, до сохранения изображения.

* Прочтите каждую страницу, сделайте то, что на ней сказано, и нажмите
  **Далее**.
* Где есть кнопка **Выполнить**, мастер сделает этот шаг за вас.

Ελληνικά: καλώς ήρθατε.

TITLE
  sed '1,/^@topic place_original/{/^@topic place_original/!d}' "$VANTOR_ROOT/sample/Vantor.m14"
} >"$INSTALL/Vantor.m14"
host_doubles SelectionValid=1 PreviewDone=1

# What a control shows, as UTF-8 (the driver reads it in the code page).
shown() { rvd text "*" "$@" | iconv -f CP1251 -t UTF-8; }

NEXT=203 CANCEL=204 PANE=210
# start_vantor, in Russian.
"${russian[@]}" wine "$VDRIVER" run --timeout 30000 "$VANTOR_WIN" 7 >"$CASE_TMP/run.txt" &
VANTOR_PID=$!
BACKGROUND_PIDS+=("$VANTOR_PID")
rvd wait-window "*" 10000 --with $PANE >/dev/null || fail "the coach did not open"
expect_eq "caption" "Мастер сканирования Vantor" "$(shown 0 --with $PANE)"
expect_eq "Next" "Далее >" "$(shown $NEXT)"
expect_eq "step 1" "Просмотр" "$(shown 241)"
expect_eq "step 5" "Сохранение" "$(shown 245)"
if screenshots_wanted; then
  rvd hover "*" $PANE >/dev/null
  screenshot_window "*" coach-code-page-1251 $PANE
fi
rvd close "*" --with $CANCEL >/dev/null || fail "the coach could not be closed"
finish_vantor
