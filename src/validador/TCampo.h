#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>

#include "validador/TPrimitivo.h"

// A field of a record of the layout: its fixed attributes, the five base rules that every field
// runs (size, obligation, domain, format, fill) and the field rules of its table. A field is
// reused for every line of its record type: each test overwrites its value.
class TCampo : public TPrimitivo {
 public:
  enum Formato : uint8_t { kAlfanumerico = 0, kNumerico = 1, kData = 2 };
  enum Tipo : uint8_t { kFixo = 0, kVariavel = 1 };
  static constexpr uint8_t kCategoriaAvisoCampo = 2;

  struct Atributos {
    QString nome;
    uint8_t formato = kAlfanumerico;
    uint8_t tipo = kVariavel;
    uint8_t tamanho = 0;
    QString dominio;
    bool podeVazio = true;
    uint8_t categoria = 1;
    QStringList regras;
  };

  TCampo(TArquivoDados& dados, const Atributos& atributos);

  static const TabelaRegras& Tabela();

  // The one-based position in the line (the identifier being 1).
  void SetPosicao(int posicao);
  int GetPosicao() const { return m_posicao; }
  // Takes the line's item as its value (the identifier in upper case), and sees in the same pass
  // whether it passes the base rules.
  void DefineValor(QStringView item, bool maiusculas = false);
  // Runs the base rules and the field rules.
  void Valida();
  // Every finding on the field is a warning, and a failing field is only left out on import.
  bool SeAviso() const { return m_atributos.categoria == kCategoriaAvisoCampo; }
  const Atributos& GetAtributos() const { return m_atributos; }
  int GetComprimento() const { return m_comprimento; }

 protected:
  TCampo(TArquivoDados& dados, const Atributos& atributos, const TabelaRegras& tabela);

  // The version classes' rules, on the years and facts of their version.
  bool AnoCalendarioEntre(QStringView primeiro, QStringView segundo) const;
  bool Tipo2PessoaFisica() const;
  bool Tipo2SemJustica() const;
  bool BeneficiarioRraDiferenteDeclarante() const;

 private:
  void Registra();
  // The five base rules all hold: one pass over the value, without running them one by one.
  bool BaseVale() const;
  bool BaseValeSemFormato() const;

  bool ER_TamanhoMaximo();
  bool ER_Obrigatorio();
  bool ER_ConteudoObrigatorio();
  bool ER_Formato();
  bool ER_Preenchimento();

  bool RN_Tipo_de_Rendimento_valido();
  bool RN_Tipo_de_Rendimento_Valido_Para_Codigo();
  bool ER_CPF_CNPJ_Advogado_TamanhoValido();
  bool RN_CPF_AdvogadoValido();
  bool RN_CNPJ_AdvogadoValido();
  bool RN_Nome_AdvogadoValido();
  bool RN_Tamanho_Nome_advogado();
  bool ER_NI_Nome_Obrigatorio();
  bool ER_Data_do_Laudo_indevido();
  bool ER_Tipo_BRPDE();
  bool RN_CPF_CNPJ_remessa_valido();
  bool RN_Fonte_pagadora_PJ_Beneficiario_PJ_Valida();
  bool RN_Declarante_PJ_Beneficiario_PJ_Valida();
  bool RN_Fonte_Pagadora_valida();
  bool RN_Dependente_Igual_Titular_Plano();

  Atributos m_atributos;
  int m_posicao = 0;
  QString m_textoCampoPadrao;
  int m_comprimento = 0;
  // The last value found in the domain: a field reused line after line mostly sees the same one.
  QString m_ultimoNoDominio;
  // What DefineValor found of the base rules for the value it took; consumed by Valida.
  enum class Base : uint8_t { NaoVista, Vale, NaoVale } m_base = Base::NaoVista;
};
