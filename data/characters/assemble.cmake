# Makes one character file from its artwork and the parts every character
# shares (the frame, the props and the motions).
#   cmake -DNAME=<shown name> -DART=<file.svg> -DDIR=<this folder> -DOUT=<file> -P assemble.cmake
file(READ ${DIR}/rig.xml rig)
file(READ ${ART} art)
file(READ ${DIR}/props.svg props)
file(READ ${DIR}/motions.xml motions)
file(WRITE ${OUT}
"<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<!-- A Tawen character, drawn for the program. -->
<tawen-character version=\"1\" name=\"${NAME}\">
${rig}  <svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"240\" viewBox=\"0 0 200 240\">
${art}${props}  </svg>
${motions}</tawen-character>
")
