#include "widgets/GtkFilternamen.h"

#include <dlfcn.h>

namespace {

// The few GLib and GTK functions needed, looked up in the GTK that Qt's
// GTK dialogs loaded; it is never loaded here.
struct TGListe {
  void* Daten;
  TGListe* Naechste;
};

template <typename F>
F* Gtk(const char* name) {
  static void* const gtk = dlopen("libgtk-3.so.0", RTLD_LAZY | RTLD_NOLOAD);
  return gtk != nullptr ? reinterpret_cast<F*>(dlsym(gtk, name)) : nullptr;
}

}  // namespace

void BenenneGtkFilter(const QStringList& namensfilter) {
  const auto fenster = Gtk<TGListe*()>("gtk_window_list_toplevels");
  const auto waehlerTyp = Gtk<unsigned long()>("gtk_file_chooser_get_type");
  const auto istEin = Gtk<int(void*, unsigned long)>("g_type_check_instance_is_a");
  const auto sichtbar = Gtk<int(void*)>("gtk_widget_get_visible");
  const auto filterListe = Gtk<TGListe*(void*)>("gtk_file_chooser_list_filters");
  const auto gewaehlt = Gtk<void*(void*)>("gtk_file_chooser_get_filter");
  const auto waehle = Gtk<void(void*, void*)>("gtk_file_chooser_set_filter");
  const auto entferne = Gtk<void(void*, void*)>("gtk_file_chooser_remove_filter");
  const auto fuegeAn = Gtk<void(void*, void*)>("gtk_file_chooser_add_filter");
  const auto benenne = Gtk<void(void*, const char*)>("gtk_file_filter_set_name");
  const auto halte = Gtk<void*(void*)>("g_object_ref");
  const auto lasse = Gtk<void(void*)>("g_object_unref");
  const auto gibListeFrei = Gtk<void(TGListe*)>("g_list_free");
  const auto gibSListeFrei = Gtk<void(TGListe*)>("g_slist_free");
  if (!fenster || !waehlerTyp || !istEin || !sichtbar || !filterListe || !gewaehlt || !waehle || !entferne ||
      !fuegeAn || !benenne || !halte || !lasse || !gibListeFrei || !gibSListeFrei)
    return;

  TGListe* alle = fenster();
  for (TGListe* f = alle; f != nullptr; f = f->Naechste) {
    void* waehler = f->Daten;
    if (!istEin(waehler, waehlerTyp()) || !sichtbar(waehler)) continue;
    QList<void*> filter;
    TGListe* liste = filterListe(waehler);
    for (TGListe* l = liste; l != nullptr; l = l->Naechste) filter << l->Daten;
    gibSListeFrei(liste);
    if (filter.size() != namensfilter.size()) continue;

    // GTK's list shows a filter's name as it was when added: each is taken
    // out and added again, in its place and with the filter chosen before.
    void* vorher = gewaehlt(waehler);
    for (void* einer : filter) {
      halte(einer);
      entferne(waehler, einer);
    }
    for (qsizetype i = 0; i < filter.size(); ++i) {
      const QString& qt = namensfilter[i];
      benenne(filter[i], qt.left(qt.lastIndexOf(QLatin1Char('('))).toUtf8().constData());
      fuegeAn(waehler, filter[i]);
      lasse(filter[i]);
    }
    if (vorher != nullptr) waehle(waehler, vorher);
  }
  gibListeFrei(alle);
}
