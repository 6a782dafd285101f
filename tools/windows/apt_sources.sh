# Sourced by bash. The machine's own archive entries for its release, turned
# into deb-src entries, so that fetching Qt's source goes where this machine's
# apt-get already goes (a local mirror, a proxy's address, a private archive)
# and nowhere else.
#
#   deb_src_entries LIST PARTS CODENAME
#
# reads LIST (one-line form) and PARTS/*.list (one-line) and PARTS/*.sources
# (deb822), the same files apt reads, and prints deb822 paragraphs of type
# deb-src for every enabled `deb` entry whose suites belong to CODENAME
# (CODENAME itself and CODENAME-*, as -updates and -security): its URIs,
# those suites, its components and its Signed-By (a path or a key written
# into the entry) or Trusted. Entries of other releases or of third-party
# archives ("nodistro", "stable" of some vendor) are left out: most serve
# no sources, and apt-get update would fail on them. Prints nothing when no
# entry serves the release. The files read are never changed.
#
#   deb_src_machine_entries CODENAME
#
# the same for the files this machine's apt is configured to read.

deb_src_entries() {
  local list=$1 parts=$2 codename=$3 file
  local -a files=()
  [ -f "$list" ] && files+=("$list")
  if [ -d "$parts" ]; then
    for file in "$parts"/*.list; do [ -f "$file" ] && files+=("$file"); done
  fi
  if [ "${#files[@]}" -gt 0 ]; then
    awk -v codename="$codename" "$_deb_src_common"'
      {
        sub(/#.*/, "")
        if ($1 != "deb") next
        n = 2; signed = ""; trusted = ""
        if (substr($2, 1, 1) == "[") {
          # Options may stand as "[a=b c=d]" or "[ a=b c=d ]".
          opts = ""
          for (; n <= NF; n++) {
            opts = opts " " $n
            if ($n ~ /\]$/) { n++; break }
          }
          gsub(/[][]/, " ", opts)
          k = split(opts, o, " ")
          for (i = 1; i <= k; i++) {
            if (o[i] ~ /^signed-by=/) signed = substr(o[i], 11)
            if (o[i] ~ /^trusted=/) trusted = substr(o[i], 9)
          }
        }
        if (NF < n + 2) next
        comps = ""
        for (i = n + 2; i <= NF; i++) comps = comps (comps == "" ? "" : " ") $i
        emit($n, $(n + 1), comps, signed, trusted)
      }' "${files[@]}"
  fi
  if [ -d "$parts" ]; then
    for file in "$parts"/*.sources; do
      [ -f "$file" ] || continue
      awk -v codename="$codename" "$_deb_src_common"'
        function reset() { types = uris = suites = comps = signed = trusted = ""; enabled = "yes"; key = "" }
        function flush() {
          if (types ~ /(^| )deb( |$)/ && tolower(enabled) != "no")
            emit(uris, suites, comps, signed, trusted)
          reset()
        }
        BEGIN { reset() }
        /^#/ { next }
        /^[ \t]*$/ { flush(); next }
        /^[ \t]/ {
          # A continued field: a key written into Signed-By keeps its lines.
          if (key == "signed-by") signed = signed "\n" $0
          else if (key != "") set(key, $0)
          next
        }
        {
          key = tolower(substr($0, 1, index($0, ":") - 1))
          set(key, substr($0, index($0, ":") + 1))
        }
        function set(k, v) {
          sub(/^[ \t]+/, "", v); sub(/[ \t]+$/, "", v)
          if (v == "") return
          if (k == "types") types = types " " v
          else if (k == "uris") uris = uris " " v
          else if (k == "suites") suites = suites " " v
          else if (k == "components") comps = comps " " v
          else if (k == "signed-by") signed = (signed == "" ? v : signed "\n " v)
          else if (k == "trusted") trusted = v
          else if (k == "enabled") enabled = v
        }
        END { flush() }' "$file"
    done
  fi
  return 0
}

# The part both forms share: keep the release's suites and print one paragraph.
_deb_src_common='
  function emit(uris, suites, comps, signed, trusted,    k, s, i, kept) {
    k = split(suites, s, " ")
    kept = ""
    for (i = 1; i <= k; i++)
      if (s[i] == codename || index(s[i], codename "-") == 1) kept = kept " " s[i]
    sub(/^ /, "", kept); sub(/^[ \t]+/, "", uris); sub(/^[ \t]+/, "", comps)
    if (kept == "" || uris == "" || comps == "") return
    print "Types: deb-src"
    print "URIs: " uris
    print "Suites: " kept
    print "Components: " comps
    # A key written into the entry starts on the line after the field name.
    if (signed != "") print "Signed-By:" (substr(signed, 1, 1) == "\n" ? "" : " ") signed
    if (trusted != "") print "Trusted: " trusted
    print ""
  }
'

deb_src_machine_entries() {
  local main parts
  eval "$(apt-config shell main Dir::Etc::SourceList/f parts Dir::Etc::SourceParts/d)"
  deb_src_entries "$main" "${parts%/}" "$1"
}
