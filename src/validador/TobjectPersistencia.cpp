#include "validador/TobjectPersistencia.h"

#include <initializer_list>

#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"
#include "validador/TRegistroAnexoFC.h"
#include "validador/TRegistroAnexoProc.h"
#include "validador/TRegistroBRPDE.h"
#include "validador/TRegistroDTPSE.h"
#include "validador/TRegistroIDPSE.h"
#include "validador/TRegistroIDRPDE.h"
#include "validador/TRegistroIDRec.h"
#include "validador/TRegistroInf.h"
#include "validador/TRegistroNulo.h"
#include "validador/TRegistroOPSE.h"
#include "validador/TRegistroRraItem.h"
#include "validador/TRegistroTPSE.h"
#include "validador/TRegistroTolv.h"
#include "validador/TRegistroTolvItem.h"
#include "validador/TRegistroVRPDE.h"
#include "validador/TRegrasAnalisador.h"

namespace {

// The objects whose marks a store clears: a source, a beneficiary abroad or a payment ends what
// the lines before it were gathering.
const std::initializer_list<int>& MarcasLimpas(int posicao) {
  static const std::initializer_list<int> nenhuma{};
  static const std::initializer_list<int> fontes{3, 6, 16, 17, 18};
  static const std::initializer_list<int> rra{9};
  static const std::initializer_list<int> operadora{12};
  static const std::initializer_list<int> titular{13};
  static const std::initializer_list<int> dependente{14};
  static const std::initializer_list<int> remessa{3, 6, 17, 18};
  static const std::initializer_list<int> valorRemessa{3, 6, 16, 18};
  static const std::initializer_list<int> linha{18};
  switch (posicao) {
    case 0: case 3: case 6: return fontes;
    case 9: return rra;
    case 12: return operadora;
    case 13: return titular;
    case 14: return dependente;
    case 16: return remessa;
    case 17: return valorRemessa;
    case 18: return linha;
    default: return nenhuma;
  }
}

}  // namespace

TobjectPersistencia::TobjectPersistencia(TDataAccess& banco, TArquivoDados& dados) : m_banco(banco) {
  m_objetos[0] = std::make_unique<TRegistroTolv>(banco, dados);
  m_objetos[3] = std::make_unique<TRegistroAnexoFC>(banco, dados);
  m_objetos[6] = std::make_unique<TRegistroAnexoProc>(banco, dados);
  m_objetos[9] = std::make_unique<TRegistroRraItem>(banco, dados);
  m_objetos[10] = std::make_unique<TRegistroIDRec>(banco, dados);
  m_objetos[11] = std::make_unique<TRegistroIDPSE>(banco, dados);
  m_objetos[12] = std::make_unique<TRegistroOPSE>(banco, dados);
  m_objetos[13] = std::make_unique<TRegistroTPSE>(banco, dados);
  m_objetos[14] = std::make_unique<TRegistroDTPSE>(banco, dados);
  m_objetos[15] = std::make_unique<TRegistroIDRPDE>(banco, dados);
  m_objetos[16] = std::make_unique<TRegistroBRPDE>(banco, dados);
  m_objetos[17] = std::make_unique<TRegistroVRPDE>(banco, dados);
  m_objetos[18] = std::make_unique<TRegistroTolvItem>(banco, dados);
  m_objetos[19] = std::make_unique<TRegistroInf>(banco, dados);
  m_objetos[20] = std::make_unique<TRegistroNulo>(banco, dados);
}

TobjectPersistencia::~TobjectPersistencia() = default;

void TobjectPersistencia::SetIndice(int posicao) {
  if (posicao >= 0 && posicao < kPosicoes && m_objetos[size_t(posicao)]) m_indice = posicao;
}

bool TobjectPersistencia::NovoObjeto(const TLinhaI& linha) {
  TRegistroTransferObject& objeto = *m_objetos[size_t(m_indice)];
  if (!objeto.TrataTipo(linha.GetTipo())) return true;
  return objeto.DeveGravar(linha.GetTipo());
}

void TobjectPersistencia::Preenche(const TLinhaI& linha) {
  if (m_indice == 11 || m_indice == 15 || m_indice == 20) return;
  m_objetos[size_t(m_indice)]->Preenche(linha);
}

void TobjectPersistencia::Grava() {
  if (m_indice == 10 || m_indice == 11 || m_indice == 15) return;
  m_objetos[size_t(m_indice)]->Grava();
  for (int posicao : MarcasLimpas(m_indice))
    if (m_objetos[size_t(posicao)]) m_objetos[size_t(posicao)]->LimpaMarcas();
}

void TobjectPersistencia::Importa(const TLinhaI& linha, std::optional<bool> permissao) {
  const int posicao = TRegrasAnalisador::PosicaoPersistencia(linha.GetTipo());
  if (m_primeira) {
    m_primeira = false;
    SetIndice(posicao);
  }
  if (NovoObjeto(linha)) {
    if (m_permissao) Grava();
    if (m_contador < kLimiteObjetos) {
      ++m_contador;
    } else {
      m_banco.Confirma();
      m_contador = 0;
    }
    SetIndice(posicao);
    NovoObjeto(linha);
  }
  if (permissao) m_permissao = *permissao;
  Preenche(linha);
}

void TobjectPersistencia::Conclui() {
  m_banco.Confirma();
  if (!m_primeira && m_permissao) {
    Grava();
    m_banco.Confirma();
  }
}
