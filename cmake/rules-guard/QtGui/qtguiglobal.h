// Found first by the units of brisvola_rules: every Gui, Widgets, PrintSupport, Svg and Multimedia
// header comes through this one, and the rules see QtCore only.
#error "a rules unit (brisvola_rules) includes a Qt Gui or Widgets header: move it to brisvola_app"
