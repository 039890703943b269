# Sourced by the start-up benchmarks: the median, least and greatest of a list of numbers
# separated by spaces, read on standard input.
median() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
minimum() { tr ' ' '\n' | grep . | sort -g | head -1; }
maximum() { tr ' ' '\n' | grep . | sort -g | tail -1; }
