#!/usr/bin/env bash
# Times isbnconv on 1,000,000 ISBN-10 lines (all valid, every form and check
# character), best of five runs: as typed, with the agency's hyphens, with Japanese
# notation read as meant (the same lines, which all convert as typed), and with
# --column 2 on the same ISBNs as the middle field of title, ISBN and price lines.
# Usage: bench/throughput.sh [path/to/isbnconv]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
isbnconv=${1:-$here/../build/linux/bin/isbnconv}
input=$(mktemp)
table=$(mktemp)
trap 'rm -f "$input" "$table"' EXIT

python3 - "$input" "$table" <<'PY'
import sys
with open(sys.argv[1], "w", newline="\n") as out, open(sys.argv[2], "w", newline="\n") as table:
    for n in range(1_000_000):
        body = f"{(n * 7919) % 1_000_000_000:09d}"
        total = sum(int(d) * (10 - i) for i, d in enumerate(body))
        check = "0123456789X"[(11 - total % 11) % 11]
        isbn = body + check
        if n % 2:
            isbn = f"{isbn[0]}-{isbn[1:4]}-{isbn[4:9]}-{isbn[9]}"
        out.write(isbn + "\n")
        table.write(f"Book {n}\t{isbn}\t{n % 5000 / 100:.2f}\n")
PY

# Best of five runs of isbnconv with the given arguments on the given file.
best_of_five() {
    local file=$1 best="" run start elapsed
    shift
    echo "isbnconv $*: $(wc -l < "$file") lines, $(wc -c < "$file") bytes"
    for run in 1 2 3 4 5; do
        start=$(date +%s%N)
        "$isbnconv" "$@" < "$file" > /dev/null
        elapsed=$(( ($(date +%s%N) - start) / 1000 ))
        echo "run $run: $((elapsed / 1000)).$(printf '%03d' $((elapsed % 1000))) ms"
        if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
    done
    echo "best: $((best / 1000)).$(printf '%03d' $((best % 1000))) ms wall for 1,000,000 lines"
}

best_of_five "$input" to13
best_of_five "$input" to13 --hyphens agency
best_of_five "$input" to13 --lenient
best_of_five "$table" to13 --column 2
