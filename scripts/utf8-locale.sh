# Sourced by the scripts: makes sure the locale speaks UTF-8, which Chinese
# window titles, file names and messages need. C.UTF-8 ships with every
# Debian system, so no locale has to be generated.
case "$(locale charmap 2>/dev/null)" in
    UTF-8) ;;
    *)
        LC_ALL=C.UTF-8
        export LC_ALL
        ;;
esac
