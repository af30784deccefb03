#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <vector>

#include "nucleo/ZuqErro.h"
#include "secoes/IzuqRemessaVisao.h"
#include "secoes/TzuqPais.h"

namespace remessa_teste {

// The editor as its controller sees it, without widgets: the fields as texts, what the
// controller called, in order.
class VisaoRemessaFalsa : public IzuqRemessaVisao {
 public:
  void Posicionar(const QString& id, const QString& tela, const QString& campo) override {
    chamadas << QStringLiteral("Posicionar %1 %2 %3").arg(id, tela, campo);
  }
  void AdicionaPais(const TzuqPais& pais) override { paises.push_back(pais); }
  void PreparaInclusao() override { chamadas << QStringLiteral("PreparaInclusao"); }
  QString GetBairro() const override { return campo("bairro"); }
  QString GetCdPais() const override { return campo("pais"); }
  QString GetCidade() const override { return campo("cidade"); }
  QString GetComplemento() const override { return campo("complemento"); }
  QString GetCxPostal() const override { return campo("cxPostal"); }
  int GetId() const override { return id; }
  QString GetCdRelFonteBeneficiario() const override { return campo("relacao"); }
  QString GetInTipoBeneficiario() const override { return campo("tipo"); }
  QString GetLogradouro() const override { return campo("logradouro"); }
  QString GetNif() const override { return campo("nif"); }
  QString GetInBenefDispensaNif() const override { return campo("dispensaBeneficiario"); }
  QString GetInPaisDispensaNif() const override { return campo("dispensaPais"); }
  QString GetNumero() const override { return campo("numero"); }
  QString GetNi() const override { return campo("ni"); }
  QString GetNome() const override { return campo("nome"); }
  QString GetTelefone() const override { return campo("telefone"); }
  QString GetEstado() const override { return campo("estado"); }
  void SetId(int novo) override { id = novo; }
  void SetAoSalvar(Acao a) override { registra("AoSalvar", aoSalvar, std::move(a)); }
  void SetAoExcluir(Acao a) override { registra("AoExcluir", aoExcluir, std::move(a)); }
  void SetAoIncluir(Acao a) override { registra("AoIncluir", aoIncluir, std::move(a)); }
  void SetAoAlterar(Acao a) override { registra("AoAlterar", aoAlterar, std::move(a)); }
  void SetAoPosicionar(Acao a) override { registra("AoPosicionar", aoPosicionar, std::move(a)); }
  void SetAoCancelar(Acao a) override { registra("AoCancelar", aoCancelar, std::move(a)); }
  void SetAoValidarCampo(ValidacaoCampo v) override {
    chamadas << QStringLiteral("SetAoValidarCampo");
    aoValidarCampo = std::move(v);
  }
  void SetAoVerificarExistencia(VerificacaoExistencia v) override {
    chamadas << QStringLiteral("SetAoVerificarExistencia");
    aoVerificarExistencia = std::move(v);
  }
  void FocaTipoBeneficiario() override {}
  void FocaPrimeiroCampo() override {}
  TTolv* GetTolv() const override { return tolv; }
  void SetTolv(TTolv* t) override { tolv = t; }
  void SetFormValores(IzuqValoresRemessaVisao* v) override {
    chamadas << QStringLiteral("SetFormValores");
    valores = v;
  }
  void MostraErro(const TzuqErro& erro) override { erros.push_back(erro); }
  void SelecionaNo(int codigo) override { chamadas << QStringLiteral("SelecionaNo %1").arg(codigo); }

  QString campo(const char* nome) const {
    const auto achado = campos.find(nome);
    return achado == campos.end() ? QString() : achado->second;
  }

  std::map<std::string, QString> campos;
  int id = 0;
  TTolv* tolv = nullptr;
  IzuqValoresRemessaVisao* valores = nullptr;
  std::vector<TzuqPais> paises;
  std::vector<TzuqErro> erros;
  QStringList chamadas;
  Acao aoSalvar, aoExcluir, aoIncluir, aoAlterar, aoPosicionar, aoCancelar;
  ValidacaoCampo aoValidarCampo;
  VerificacaoExistencia aoVerificarExistencia;

 private:
  void registra(const char* nome, Acao& guardada, Acao nova) {
    chamadas << QString::fromLatin1("Set") + QString::fromLatin1(nome);
    guardada = std::move(nova);
  }
};

}  // namespace remessa_teste
