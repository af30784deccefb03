#pragma once

#include <QString>

class QWidget;
class TColecaoTolv;
class TTolv;

// What the windows of the supplementary sections, the delivery, the import, the reports and the
// backup ask of the main window, which they never include. The program installs the main
// window's at start; tests install a fake.
class IServicosPrincipal {
 public:
  virtual ~IServicosPrincipal() = default;

  // The main window, owner of the windows the services open.
  virtual QWidget* Janela() = 0;
  // The open declaration (created on first use) and the declarations index.
  virtual TTolv& GetTolv() = 0;
  virtual TColecaoTolv& GetColecaoTolv() = 0;
  virtual bool DeclaracaoAberta() const = 0;
  // Brings the page of a finding or a search hit to the front and focuses the field it names
  // (owner key, object key, section 0 to 60).
  virtual void IrParaPendencia(const QString& dono, const QString& objeto, int secao) = 0;
  // Set by a page that refused an entry and abandoned the operation: the main window's writing,
  // verification and print actions then clear it and do nothing.
  virtual bool EdicaoInvalida() const = 0;
  virtual void DefineEdicaoInvalida(bool invalida) = 0;
  // Actions, caption and year label in line with the state.
  virtual void AtualizaMenus() = 0;
  // Sets TipoImpressao (nucleo/UtilTexto.h) and runs the print dispatch of the main window.
  virtual void Imprime(int tipoImpressao) = 0;
};

// The installed services; nullptr before the main window exists.
IServicosPrincipal* ServicosPrincipal();
// Installs the services (not owned); nullptr removes them. Returns the ones installed before.
IServicosPrincipal* InstalaServicosPrincipal(IServicosPrincipal* servicos);
// The window that owns what the services open: the main window, else the active window.
QWidget* JanelaDona();
