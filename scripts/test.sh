#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every check: the ctest suite (unit, gl and e2e
# tests under a virtual X server), then the fuzz and short soak runs where present. Ends with one
# line "N passed, N failed": each ctest test counts once, each further stage once.
set -uo pipefail
cd "$(dirname "$0")/.." || exit

passed=0
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT

summary() {
    echo "$passed passed, $failed failed"
    ((failed == 0))
    exit
}

stage() { # name, command...: one more passed or failed stage
    local name=$1
    shift
    echo "== $name"
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "== $name FAILED"
        failed=$((failed + 1))
    fi
}

# -noreset: without it the server resets whenever its last client leaves, dropping connections
# that arrive meanwhile (tests start and end clients back to back).
xvfb=(xvfb-run -a -s "-screen 0 1024x768x24 -noreset")

echo "== dependencies"
bash scripts/install-deps.sh || { failed=$((failed + 1)); summary; }

echo "== build"
if ! { cmake -S . -B build -DBRISEL_WERROR=ON && cmake --build build -j "$(nproc)"; }; then
    failed=$((failed + 1))
    summary
fi

echo "== ctest"
"${xvfb[@]}" ctest --test-dir build --output-on-failure 2>&1 | tee "$log"
ctest_status=${PIPESTATUS[0]}
# "100% tests passed, 0 tests failed out of 42"
if counts=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1) && [[ -n $counts ]]; then
    read -r ctest_failed _ _ _ _ ctest_total <<< "$counts"
    passed=$((passed + ctest_total - ctest_failed))
    failed=$((failed + ctest_failed))
    ((ctest_status == 0 || ctest_failed > 0)) || failed=$((failed + 1)) # failed without a failed test
else
    echo "== ctest printed no summary (status $ctest_status)"
    failed=$((failed + 1))
fi

stage "fuzz" bash fuzz/run-fuzz.sh
stage "soak (short)" bash tests/soak/run-soak.sh --short

summary
