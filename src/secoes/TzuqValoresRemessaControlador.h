#pragma once

#include <cstdint>
#include <memory>

class IzuqValoresRemessaVisao;
class TzuqRemessa;
class TzuqValorRemessa;
class TzuqValorRemessaDAO;

// Sits between a view of one beneficiary's payment lines, the line model and the lines'
// data-access object: fills the view's choice lists (the revenue codes that the declarant may
// use), loads a beneficiary's lines into it and checks the current line field by field. The view
// and the beneficiary model are observed, not owned.
class TzuqValoresRemessaControlador {
 public:
  TzuqValoresRemessaControlador(IzuqValoresRemessaVisao& visao, TzuqRemessa& remessa);
  ~TzuqValoresRemessaControlador();
  TzuqValoresRemessaControlador(const TzuqValoresRemessaControlador&) = delete;
  TzuqValoresRemessaControlador& operator=(const TzuqValoresRemessaControlador&) = delete;

  void CarregaValores(int idRemessa);
  void Limpar();
  void Habilita(bool habilitado);

  TzuqValorRemessa& Modelo() { return *m_modelo; }

 private:
  void CarregaCodigosRetencao();
  void CarregaTiposRendimento();
  void CarregaFormasTributacao();
  void CarregaModelo();

  void AoIncluir();
  void AoAlterar();
  void AoExcluir();
  bool AoValidarCampo(uint8_t indice);

  IzuqValoresRemessaVisao& m_visao;
  TzuqRemessa& m_remessa;
  std::unique_ptr<TzuqValorRemessa> m_modelo;
  std::unique_ptr<TzuqValorRemessaDAO> m_dao;
};
