#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class IzuqConsultasRemessa;
class IzuqRemessaVisao;
class TfrmValoresRemessa;
class TzuqDeclaracaoRemessa;
class TzuqPaisDAO;
class TzuqRemessa;
class TzuqRemessaDAO;
class TzuqValoresRemessaControlador;

// Sits between the payments-abroad editor (its IzuqRemessaVisao), the beneficiary model and
// the data-access objects: fills the editor's country list, registers its handlers, copies the
// editor's fields into the model to check one field at a time, and owns the payment-lines view
// with its controller. The editor is observed, not owned, and must outlive the controller's
// use of it.
class TzuqRemessaControlador {
 public:
  // The model checks its fields through `consultas` when given (tests), else through the
  // program's look-ups. Ends by readying the editor for a new beneficiary.
  explicit TzuqRemessaControlador(IzuqRemessaVisao& visao, IzuqConsultasRemessa* consultas = nullptr);
  ~TzuqRemessaControlador();
  TzuqRemessaControlador(const TzuqRemessaControlador&) = delete;
  TzuqRemessaControlador& operator=(const TzuqRemessaControlador&) = delete;

  // A finding or a search leads to a beneficiary; nothing for the key "0".
  void Posicionar(const QString& id, const QString& tela, const QString& campo);
  void SelecionaNo(int codigo);

  // Whether the last field check passed.
  bool CampoValido() const { return m_campoValido; }
  TzuqRemessa& Modelo() { return *m_modelo; }
  TfrmValoresRemessa& Valores() { return *m_valores; }
  TzuqValoresRemessaControlador& ControladorValores() { return *m_controladorValores; }

 private:
  void CarregaPaises();
  void CarregaModelo();
  // "F" for a person, "J" otherwise: the revenue codes that the lines may take.
  QString TipoCodigos() const;

  void AoSalvar();
  void AoExcluir();
  void AoIncluir();
  void AoAlterar();
  void AoPosicionar();
  void AoCancelar();
  bool AoVerificarExistencia();
  bool AoValidarCampo(uint8_t indice);

  IzuqRemessaVisao& m_visao;
  std::unique_ptr<TzuqRemessaDAO> m_remessaDAO;
  std::unique_ptr<TzuqPaisDAO> m_paisDAO;
  std::unique_ptr<TzuqRemessa> m_modelo;
  std::unique_ptr<TzuqDeclaracaoRemessa> m_declaracao;
  std::unique_ptr<TfrmValoresRemessa> m_valores;
  std::unique_ptr<TzuqValoresRemessaControlador> m_controladorValores;
  bool m_campoValido = true;
};
